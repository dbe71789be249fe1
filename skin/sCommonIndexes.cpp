#include "skin/sCommonIndexes.h"

namespace skin {

TsSectionIndexes SectionIndexesOf(const TsSkinTables& tables, std::string_view sectionName) {
    TsSectionIndexes result;
    result.Section = tables.FindSection(sectionName);
    result.BordersMask = tables.FindMask(result.Section, sectionName, "BORDERSMASK");
    result.GlyphMask = tables.FindMask(result.Section, sectionName, "GLYPHMASK");
    result.Pattern = tables.FindTexture(result.Section, sectionName, "PATTERN");
    result.HotPattern = tables.FindTexture(result.Section, sectionName, "HOTPATTERN");
    return result;
}

TsCommonIndexes CommonIndexesOf(const TsSkinTables& tables) {
    TsCommonIndexes c;
    c.GlobalInfo = tables.FindSection("GLOBALINFO");
    const auto global = [&](std::string_view key) { return tables.FindMask(c.GlobalInfo, "GLOBALINFO", key); };
    c.CheckBoxChecked = global("BOXCHECKED");
    c.CheckBoxUnChecked = global("BOXUNCHECKED");
    c.CheckBoxGrayed = global("BOXGRAYED");
    c.RadioButtonChecked = global("RADIOCHECKED");
    c.RadioButtonUnChecked = global("RADIOUNCHECKED");
    c.RadioButtonGrayed = global("RADIOGRAYED");
    c.SmallBoxChecked = global("SMALLCHECKED");
    c.SmallBoxUnChecked = global("SMALLUNCHECKED");
    c.SmallBoxGrayed = global("SMALLGRAYED");
    c.ExBorder = global("EXBORDER");
    c.GripImage = global("GRIPIMAGE");
    c.GripHorz = global("GRIPHORZ");
    c.GripVert = global("GRIPVERT");

    c.ComboBtn = SectionIndexesOf(tables, "COMBOBTN");
    c.ComboBox = SectionIndexesOf(tables, "COMBOBOX");
    c.TabTop = SectionIndexesOf(tables, "TABTOP");
    c.TabBottom = SectionIndexesOf(tables, "TABBOTTOM");
    c.TabLeft = SectionIndexesOf(tables, "TABLEFT");
    c.TabRight = SectionIndexesOf(tables, "TABRIGHT");
    c.ScrollBtnTop = SectionIndexesOf(tables, "SCROLLBTNTOP");
    c.ScrollBtnBottom = SectionIndexesOf(tables, "SCROLLBTNBOTTOM");
    c.ScrollBtnLeft = SectionIndexesOf(tables, "SCROLLBTNLEFT");
    c.ScrollBtnRight = SectionIndexesOf(tables, "SCROLLBTNRIGHT");
    c.ScrollSliderV = SectionIndexesOf(tables, "SCROLLSLIDERV");
    c.ScrollSliderH = SectionIndexesOf(tables, "SCROLLSLIDERH");
    c.ScrollBar1H = SectionIndexesOf(tables, "SCROLLBAR1H");
    c.ScrollBar1V = SectionIndexesOf(tables, "SCROLLBAR1V");
    c.ScrollBar2H = SectionIndexesOf(tables, "SCROLLBAR2H");
    c.ScrollBar2V = SectionIndexesOf(tables, "SCROLLBAR2V");
    c.WebButton = SectionIndexesOf(tables, "WEBBUTTON");
    return c;
}

}  // namespace skin
