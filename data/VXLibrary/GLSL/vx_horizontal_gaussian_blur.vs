attribute vec4 vx_vertex;
varying vec2 vx_uv;
void main()
{
    vx_uv = vx_vertex.xy * 0.5 + 0.5;
    gl_Position = vec4(vx_vertex.xy, 0.0, 1.0);
}
