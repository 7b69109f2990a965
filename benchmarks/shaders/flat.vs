/* The floor of the frame benchmark: no lighting at all. */
attribute vec4 vx_vertex;
uniform mat4 vx_model_view_projection_matrix;
void main()
{
    gl_Position = vx_model_view_projection_matrix * vx_vertex;
}
