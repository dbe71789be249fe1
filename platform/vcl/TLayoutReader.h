#pragma once
// Stored layouts: the text a form's unit keeps of its controls and their
// published properties, in the shape of a form file:
//
//   object Form1: TForm1
//     Caption = 'Kestrune YouTube Converter 2.8'
//     ClientWidth = 372
//     Font.Style = [fsBold]
//     object Button1: TButton
//       Left = 8
//       OnClick = Button1Click
//     end
//   end
//
// Reading makes every nested component (owned by the root, parented by the
// enclosing one), binds it to the root's published field of the same name,
// sets the properties, resolves event handlers among the root's published
// methods, and then runs the loaded phase of everything it read, root first.
// Anything the reader cannot take raises rtl::EReadError naming the place.
#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vcl/TLayoutValue.h"

namespace vcl {

class TComponent;
class TPersistent;

struct TLayoutNode {
    std::string Name;
    std::string ClassName;
    std::vector<std::pair<std::string, TLayoutValue>> Properties;
    std::vector<TLayoutNode> Children;
};

// Parses layout text; raises rtl::EReadError with the line of a fault.
TLayoutNode ParseLayout(std::string_view text);

class TLayoutReader {
public:
    explicit TLayoutReader(TComponent& root) : FRoot(root) {}
    void Read(std::string_view text);
    void Read(const TLayoutNode& node);
    // A published method of the root (for event properties).
    const std::any* FindMethod(const std::string& name) const;
    // A reference to a component by name, assigned after everything is read;
    // `assign` answers false when the component is of the wrong class.
    void AddFixup(const std::string& name, std::function<bool(TComponent*)> assign);

private:
    void ReadProperties(TPersistent& target, const TLayoutNode& node, const std::string& path);
    void ReadComponent(const TLayoutNode& node, TComponent* parent);

    void ResolveFixups();

    TComponent& FRoot;
    std::vector<TComponent*> FLoaded;
    std::vector<std::pair<std::string, std::function<bool(TComponent*)>>> FFixups;
};

}  // namespace vcl
