#!/usr/bin/env bash
# Installs what building, playing and testing need on a Debian machine (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake make g++ pkg-config \
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libglew-dev \
  libgl1-mesa-dri libx11-dev libpng-dev zlib1g-dev libgtest-dev \
  libcairo2-dev fonts-dejavu-core python3 \
  xvfb xauth xdotool imagemagick \
  clang libclang-rt-dev
