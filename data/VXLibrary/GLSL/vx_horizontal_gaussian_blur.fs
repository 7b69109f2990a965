/* Seven taps along x: the centre and three texels on either side.
   The pass draws the input's size, so one pixel step in uv is one texel;
   taps are clamped to the outer texel centres, which keeps the border out. */
uniform sampler2D vx_texture_input;
uniform float vx_gaussian_density_distribution[4];
varying vec2 vx_uv;
vec4 vx_tap(vec2 uv, vec2 lowest, vec2 highest)
{
    return texture2D(vx_texture_input, clamp(uv, lowest, highest));
}
void main()
{
    vec2 texel = vec2(abs(dFdx(vx_uv.x)), 0.0);
    vec2 lowest = vec2(0.5 * texel.x, vx_uv.y);
    vec2 highest = vec2(1.0 - 0.5 * texel.x, vx_uv.y);
    vec4 sum = vx_tap(vx_uv, lowest, highest) * vx_gaussian_density_distribution[0];
    sum += (vx_tap(vx_uv + texel, lowest, highest) + vx_tap(vx_uv - texel, lowest, highest)) * vx_gaussian_density_distribution[1];
    sum += (vx_tap(vx_uv + 2.0 * texel, lowest, highest) + vx_tap(vx_uv - 2.0 * texel, lowest, highest)) * vx_gaussian_density_distribution[2];
    sum += (vx_tap(vx_uv + 3.0 * texel, lowest, highest) + vx_tap(vx_uv - 3.0 * texel, lowest, highest)) * vx_gaussian_density_distribution[3];
    gl_FragColor = sum;
}
