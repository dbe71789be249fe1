#pragma once
// Writing an options text: sections of "KEY=value" lines in the order given,
// colours in the skin's 0x00BBGGRR form.
#include <initializer_list>
#include <set>
#include <string>

namespace skinart {

struct TGradientStep {
    unsigned From, To;  // 0xRRGGBB
    int Percent;
    int Mode;           // 0 vertical, 1 horizontal
};

class TOptionsText {
public:
    void Section(const std::string& name);
    // A key given twice in a section is an error: readers take the first one
    // and never see the second.
    void Key(const std::string& key, const std::string& value);
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    // A colour given as 0xRRGGBB.
    void Colour(const std::string& key, unsigned rgb);
    void Gradient(const std::string& key, std::initializer_list<TGradientStep> steps);
    const std::string& Text() const { return FText; }

private:
    std::string FText;
    std::set<std::string> FSectionKeys;
};

// 0xRRGGBB as the decimal colour value of the options text.
std::string ColourValue(unsigned rgb);

}  // namespace skinart
