/* Writes the first two moments of the closeness to the light, 1 / distance.
   Closeness 0 is infinitely far: the pass's clear value never shadows. */
varying vec3 vx_light_eye_position;
void main()
{
    float closeness = 1.0 / max(length(vx_light_eye_position), 1.0);
    float dx = dFdx(closeness);
    float dy = dFdy(closeness);
    gl_FragColor = vec4(closeness, closeness * closeness + 0.25 * (dx * dx + dy * dy), 0.0, 1.0);
}
