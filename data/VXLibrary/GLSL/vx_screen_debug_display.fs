uniform sampler2D vx_texture_input;
varying vec2 vx_uv;
void main()
{
    gl_FragColor = texture2D(vx_texture_input, vx_uv);
}
