// Lookup of drawing recipes by name.
#include "tools/skingen/ShapeRegistry.h"

#include <stdexcept>

const ShapeRegistry& ShapeRegistry::Standard() {
    static const ShapeRegistry registry = [] {
        ShapeRegistry r;
        AddFrameShapes(r);
        AddGlyphShapes(r);
        AddTextureShapes(r);
        return r;
    }();
    return registry;
}

ShapePaint ShapeRegistry::Find(const std::string& name, const std::string& where) const {
    auto found = FRecipes.find(name);
    if (found != FRecipes.end()) return found->second;
    std::string known;
    for (const auto& [recipe, paint] : FRecipes) known += (known.empty() ? "" : ", ") + recipe;
    throw std::runtime_error(where + ": unknown recipe \"" + name + "\" (known: " + known + ")");
}
