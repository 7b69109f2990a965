uniform vec4 vx_diffuse_color;
void main()
{
    gl_FragColor = vx_diffuse_color;
}
