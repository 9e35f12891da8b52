// The drawing recipes a skin source can name, each painting one state image of a given size.
#pragma once

#include "tools/skingen/RecipeParams.h"

#include <cairo.h>

#include <map>
#include <string>

using ShapePaint = void (*)(cairo_t* cr, const RecipeParams& params, int state, double width, double height);

class ShapeRegistry {
public:
    // Every recipe of the generator: frames, glyphs and textures.
    static const ShapeRegistry& Standard();

    void Add(const std::string& name, ShapePaint paint) { FRecipes[name] = paint; }
    // Throws naming the recipe and the known ones when it does not exist.
    ShapePaint Find(const std::string& name, const std::string& where) const;

private:
    std::map<std::string, ShapePaint> FRecipes;
};

// Each family of recipes registers itself here.
void AddFrameShapes(ShapeRegistry& registry);
void AddGlyphShapes(ShapeRegistry& registry);
void AddTextureShapes(ShapeRegistry& registry);
