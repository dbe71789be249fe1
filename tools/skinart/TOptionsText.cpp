#include "TOptionsText.h"

#include <stdexcept>

namespace skinart {

std::string ColourValue(unsigned rgb) {
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return std::to_string(r | g << 8 | b << 16);
}

void TOptionsText::Section(const std::string& name) {
    if (!FText.empty()) FText += "\r\n";
    FText += "[" + name + "]\r\n";
    FSectionKeys.clear();
}

void TOptionsText::Key(const std::string& key, const std::string& value) {
    if (!FSectionKeys.insert(key).second) throw std::logic_error("key given twice: " + key);
    FText += key + "=" + value + "\r\n";
}

void TOptionsText::Colour(const std::string& key, unsigned rgb) { Key(key, ColourValue(rgb)); }

void TOptionsText::Gradient(const std::string& key, std::initializer_list<TGradientStep> steps) {
    std::string value;
    for (const TGradientStep& step : steps) {
        value += ColourValue(step.From) + ";" + ColourValue(step.To) + ";" + std::to_string(step.Percent) + ";" +
                 std::to_string(step.Mode) + ";0;";
    }
    Key(key, value);
}

}  // namespace skinart
