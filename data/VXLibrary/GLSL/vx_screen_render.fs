uniform sampler2D vx_texture_input;
uniform vec4 vx_color_input;
varying vec2 vx_uv;
void main()
{
    gl_FragColor = texture2D(vx_texture_input, vx_uv) * vx_color_input;
}
