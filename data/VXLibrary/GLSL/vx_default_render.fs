/* Ambient light plus four spot lights with variance shadow maps.
   A shadow map holds the moments of the closeness 1 / distance seen from the
   light, so its clear value 0 (nothing drawn, or never rendered) reads as
   infinitely far and never shadows. An empty texture unit samples black:
   a material without textures keeps its plain colours.
   The library puts two constants per light before this text:
   vx_spot_light_<i>_enabled, false for a light built out of the program,
   which then costs nothing in it, and vx_spot_light_<i>_shadowed, false for
   a light whose map was never drawn: it holds 0, so the lookup would always
   give full visibility and is left out. */
struct VXSpotLightUniforms
{
    mat4 change_of_view_projection_matrix;
    vec4 diffuse_color;
    vec4 specular_color;
    sampler2D shadow_map;
    vec4 eye_space_light_position;
    int is_on;
};
uniform VXSpotLightUniforms vx_spot_light[4];
uniform vec4 vx_light_ambient_color;
uniform sampler2D vx_diffuse_texture;
uniform sampler2D vx_specular_texture;
uniform vec4 vx_ambient_color;
uniform vec4 vx_diffuse_color;
uniform vec4 vx_specular_color;
varying vec4 vx_eye_position;
varying vec3 vx_eye_normal;
varying vec2 vx_uv;
vec3 vx_texel_or_white(vec4 texel)
{
    return (texel.r + texel.g + texel.b > 0.0) ? texel.rgb : vec3(1.0);
}
float vx_visibility(sampler2D shadow_map, vec2 uv, float closeness)
{
    vec2 moments = texture2D(shadow_map, uv).xy;
    if (!(moments.x > closeness * 1.001)) {
        return 1.0;
    }
    float variance = max(moments.y - moments.x * moments.x, 0.000004 * moments.x * moments.x);
    float d = moments.x - closeness;
    float p = variance / (variance + d * d);
    return clamp((p - 0.2) / 0.8, 0.0, 1.0);
}
vec3 vx_spot(mat4 change, vec4 diffuse, vec4 specular, sampler2D shadow_map, bool shadowed, vec4 light_position,
             vec3 normal, vec3 to_eye, vec3 base, vec3 shine)
{
    vec4 clip = change * vx_eye_position;
    if (clip.w <= 0.0) {
        return vec3(0.0);
    }
    vec2 ndc = clip.xy / clip.w;
    float cone = 1.0 - smoothstep(0.9, 1.0, length(ndc));
    if (cone <= 0.0) {
        return vec3(0.0);
    }
    vec3 to_light = light_position.xyz - vx_eye_position.xyz;
    float light_distance = max(length(to_light), 1.0);
    to_light = to_light / light_distance;
    float lambert = dot(normal, to_light);
    if (lambert <= 0.0) {
        return vec3(0.0);
    }
    float seen = cone;
    if (shadowed) {
        seen *= vx_visibility(shadow_map, ndc * 0.5 + 0.5, 1.0 / light_distance);
    }
    float highlight = pow(max(dot(normal, normalize(to_light + to_eye)), 0.0), 32.0);
    return seen * (diffuse.rgb * base * lambert + specular.rgb * shine * highlight);
}
void main()
{
    vec3 normal = normalize(vx_eye_normal);
    vec3 to_eye = normalize(-vx_eye_position.xyz);
    vec3 texel = vx_texel_or_white(texture2D(vx_diffuse_texture, vx_uv));
    vec3 base = vx_diffuse_color.rgb * texel;
    vec3 shine = vx_specular_color.rgb * vx_texel_or_white(texture2D(vx_specular_texture, vx_uv));
    vec3 colour = vx_light_ambient_color.rgb * vx_ambient_color.rgb * texel;
    if (vx_spot_light_0_enabled && vx_spot_light[0].is_on != 0) {
        colour += vx_spot(vx_spot_light[0].change_of_view_projection_matrix, vx_spot_light[0].diffuse_color,
                          vx_spot_light[0].specular_color, vx_spot_light[0].shadow_map, vx_spot_light_0_shadowed,
                          vx_spot_light[0].eye_space_light_position, normal, to_eye, base, shine);
    }
    if (vx_spot_light_1_enabled && vx_spot_light[1].is_on != 0) {
        colour += vx_spot(vx_spot_light[1].change_of_view_projection_matrix, vx_spot_light[1].diffuse_color,
                          vx_spot_light[1].specular_color, vx_spot_light[1].shadow_map, vx_spot_light_1_shadowed,
                          vx_spot_light[1].eye_space_light_position, normal, to_eye, base, shine);
    }
    if (vx_spot_light_2_enabled && vx_spot_light[2].is_on != 0) {
        colour += vx_spot(vx_spot_light[2].change_of_view_projection_matrix, vx_spot_light[2].diffuse_color,
                          vx_spot_light[2].specular_color, vx_spot_light[2].shadow_map, vx_spot_light_2_shadowed,
                          vx_spot_light[2].eye_space_light_position, normal, to_eye, base, shine);
    }
    if (vx_spot_light_3_enabled && vx_spot_light[3].is_on != 0) {
        colour += vx_spot(vx_spot_light[3].change_of_view_projection_matrix, vx_spot_light[3].diffuse_color,
                          vx_spot_light[3].specular_color, vx_spot_light[3].shadow_map, vx_spot_light_3_shadowed,
                          vx_spot_light[3].eye_space_light_position, normal, to_eye, base, shine);
    }
    gl_FragColor = vec4(colour, vx_diffuse_color.a);
}
