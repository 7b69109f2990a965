attribute vec4 vx_vertex;
attribute vec3 vx_normal;
attribute vec2 vx_texture_coordinate;
uniform mat4 vx_model_view_projection_matrix;
uniform mat4 vx_model_view_matrix;
varying vec4 vx_eye_position;
varying vec3 vx_eye_normal;
varying vec2 vx_uv;
void main()
{
    vx_eye_position = vx_model_view_matrix * vx_vertex;
    vx_eye_normal = mat3(vx_model_view_matrix[0].xyz, vx_model_view_matrix[1].xyz, vx_model_view_matrix[2].xyz) * vx_normal;
    vx_uv = vx_texture_coordinate;
    gl_Position = vx_model_view_projection_matrix * vx_vertex;
}
