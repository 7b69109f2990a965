#ifndef ENGINE_RENDER_VXGAUSSIANWEIGHTS_H
#define ENGINE_RENDER_VXGAUSSIANWEIGHTS_H

// The normal density with deviation `sigma` at `x`, in single precision.
float normalDensity(float sigma, float x);

// Four normalised taps: the centre texel's weight, then the three neighbours'
// on either side, so that the seven texels of a blur row weigh 1 in all.
void gaussianWeights(float sigma, float weights[4]);

#endif
