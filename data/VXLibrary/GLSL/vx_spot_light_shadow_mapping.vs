attribute vec4 vx_vertex;
uniform mat4 vx_model_view_projection_matrix;
uniform mat4 vx_model_view_matrix;
varying vec3 vx_light_eye_position;
void main()
{
    vx_light_eye_position = (vx_model_view_matrix * vx_vertex).xyz;
    gl_Position = vx_model_view_projection_matrix * vx_vertex;
}
