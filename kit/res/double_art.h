// The number of a picture's double-size version, which the kit draws on
// screens of more than 120 DPI: the picture's own number plus 1000, the
// kit's DoubleArtOffset (display_scale.h, whose tests hold the two equal).
#pragma once

#define DOUBLE_ART(id) ((id) + 1000)
