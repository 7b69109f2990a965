/* Positions are already in the pass's -1..1 coordinates. */
attribute vec4 vx_vertex;
attribute vec2 vx_texture_coordinate;
varying vec2 vx_uv;
void main()
{
    vx_uv = vx_texture_coordinate;
    gl_Position = vec4(vx_vertex.xy, 0.0, 1.0);
}
