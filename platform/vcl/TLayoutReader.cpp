#include "vcl/TLayoutReader.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "rtl/Exceptions.h"
#include "rtl/IntConvert.h"
#include "vcl/StandardClasses.h"
#include "vcl/TComponent.h"

namespace vcl {

namespace {

class TParser {
public:
    explicit TParser(std::string_view text) : FText(text) {}

    TLayoutNode Object() {
        Keyword("object");
        TLayoutNode node;
        node.Name = Ident();
        Expect(':');
        node.ClassName = Ident();
        for (;;) {
            SkipBlanks();
            if (FPos >= FText.size()) Fail("'end' expected");
            if (AtWord("end")) {
                Keyword("end");
                return node;
            }
            if (AtWord("object")) {
                node.Children.push_back(Object());
                continue;
            }
            std::string name = Ident();
            Expect('=');
            node.Properties.emplace_back(std::move(name), Value());
        }
    }

    void End() {
        SkipBlanks();
        if (FPos < FText.size()) Fail("text after the end of the layout");
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        int line = 1;
        for (size_t i = 0; i < FPos && i < FText.size(); ++i) line += FText[i] == '\n';
        throw rtl::EReadError("Layout line " + rtl::IntToStr(line) + ": " + what);
    }

    void SkipBlanks() {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    }
    bool Peek(char c) {
        SkipBlanks();
        return FPos < FText.size() && FText[FPos] == c;
    }
    void Expect(char c) {
        if (!Peek(c)) Fail(std::string("'") + c + "' expected");
        ++FPos;
    }
    static bool IdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }
    bool AtWord(const char* word) {
        SkipBlanks();
        const size_t n = strlen(word);
        return FText.size() - FPos >= n && strncasecmp(FText.data() + FPos, word, n) == 0 &&
               (FPos + n == FText.size() || !IdentChar(FText[FPos + n]));
    }
    void Keyword(const char* word) {
        if (!AtWord(word)) Fail(std::string("'") + word + "' expected");
        FPos += strlen(word);
    }
    std::string Ident() {
        SkipBlanks();
        const size_t start = FPos;
        if (FPos < FText.size() && (std::isalpha(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '_'))
            while (FPos < FText.size() && IdentChar(FText[FPos])) ++FPos;
        if (FPos == start) Fail("identifier expected");
        return std::string(FText.substr(start, FPos - start));
    }

    // 'it''s' #13#10 'more' + 'text': quoted runs, character codes and joins.
    std::string Text() {
        std::string out;
        for (;;) {
            SkipBlanks();
            if (FPos < FText.size() && FText[FPos] == '\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n') Fail("unterminated text");
                    if (FText[FPos] == '\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                            out += '\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    out += FText[FPos++];
                }
            } else if (FPos < FText.size() && FText[FPos] == '#') {
                ++FPos;
                const size_t start = FPos;
                while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
                const auto code = rtl::TryStrToInt(FText.substr(start, FPos - start));
                if (!code || *code < 0 || *code > 255) Fail("bad character code");
                out += char(*code);
            } else if (FPos < FText.size() && FText[FPos] == '+' && !out.empty()) {
                ++FPos;
            } else {
                return out;
            }
        }
    }

    TLayoutValue Value() {
        SkipBlanks();
        if (FPos >= FText.size()) Fail("value expected");
        TLayoutValue v;
        const char c = FText[FPos];
        if (c == '\'' || c == '#') {
            v.Kind = TLayoutValue::String;
            v.Text = Text();
        } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
            const size_t start = FPos++;
            while (FPos < FText.size() && (std::isdigit(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '.'))
                ++FPos;
            const std::string number(FText.substr(start, FPos - start));
            char* end = nullptr;
            if (number.find('.') != std::string::npos) {
                v.Kind = TLayoutValue::Float;
                v.Real = std::strtod(number.c_str(), &end);
            } else {
                v.Int = std::strtoll(number.c_str(), &end, 10);
            }
            if (!end || *end) Fail("bad number");
        } else if (c == '[') {
            ++FPos;
            v.Kind = TLayoutValue::Set;
            while (!Peek(']')) {
                v.Items.push_back(Ident());
                if (!Peek(']')) Expect(',');
            }
            ++FPos;
        } else if (c == '(') {
            ++FPos;
            v.Kind = TLayoutValue::List;
            while (!Peek(')')) v.Items.push_back(Value().Text);
            ++FPos;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            v.Kind = TLayoutValue::Ident;
            v.Text = Ident();
        } else {
            Fail("value expected");
        }
        return v;
    }

    std::string_view FText;
    size_t FPos = 0;
};

}  // namespace

TLayoutNode ParseLayout(std::string_view text) {
    TParser parser(text);
    TLayoutNode node = parser.Object();
    parser.End();
    return node;
}

void TLayoutReader::Read(std::string_view text) { Read(ParseLayout(text)); }

void TLayoutReader::Read(const TLayoutNode& node) {
    RegisterStandardClasses();
    FLoaded.clear();
    FRoot.SetComponentState(csLoading | csReading, true);
    FLoaded.push_back(&FRoot);
    ReadProperties(FRoot, node, node.Name);
    FRoot.SetComponentState(csReading, false);
    for (const TLayoutNode& child : node.Children) ReadComponent(child, &FRoot);
    ResolveFixups();
    for (TComponent* c : FLoaded) c->Loaded();
}

void TLayoutReader::AddFixup(const std::string& name, std::function<bool(TComponent*)> assign) {
    FFixups.emplace_back(name, std::move(assign));
}

void TLayoutReader::ResolveFixups() {
    const auto fixups = std::move(FFixups);
    FFixups.clear();
    for (const auto& [name, assign] : fixups) {
        TComponent* target = strcasecmp(name.c_str(), FRoot.Name().c_str()) == 0 ? &FRoot : FRoot.FindComponent(name);
        if (!target || !assign(target)) throw rtl::EReadError("Invalid reference to " + name);
    }
}

const std::any* TLayoutReader::FindMethod(const std::string& name) const { return FRoot.FindMethod(name); }

void TLayoutReader::ReadComponent(const TLayoutNode& node, TComponent* parent) {
    const std::string path = FRoot.Name() + "." + node.Name;
    const TClassInfo* info = FindClass(node.ClassName);
    if (!info || !info->Create) throw rtl::EReadError("Class " + node.ClassName + " not found (" + path + ")");
    TComponent* component = info->Create(&FRoot);
    component->SetComponentState(csLoading | csReading, true);
    FLoaded.push_back(component);
    component->SetName(node.Name);
    if (!FRoot.BindField(node.Name, component))
        throw rtl::EReadError("Field " + node.Name + " is not of class " + node.ClassName);
    component->SetParentComponent(parent);
    ReadProperties(*component, node, path);
    component->SetComponentState(csReading, false);
    for (const TLayoutNode& child : node.Children) ReadComponent(child, component);
}

void TLayoutReader::ReadProperties(TPersistent& target, const TLayoutNode& node, const std::string& path) {
    for (const auto& [name, value] : node.Properties) {
        try {
            TPersistent* object = &target;
            std::string_view rest = name;
            for (size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1)) {
                const TPropertyInfo* p = object->ClassType().FindProperty(rest.substr(0, dot));
                if (!p || !p->Object) throw rtl::EReadError("Property does not exist");
                object = p->Object(*object);
            }
            const TPropertyInfo* p = object->ClassType().FindProperty(rest);
            if (!p || !p->Write) throw rtl::EReadError("Property does not exist");
            p->Write(*object, value, *this);
        } catch (const rtl::Exception& e) {
            throw rtl::EReadError("Error reading " + path + "." + name + ": " + e.Message());
        }
    }
}

}  // namespace vcl
