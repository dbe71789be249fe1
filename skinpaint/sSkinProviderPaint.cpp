// The provider's pictures: the whole window into the cache, its frame part
// to the screen, the client background, the region, and the answers the
// children get about what lies behind them.
#include "skin/sSkinManager.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sCaptionText.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sFormRegion.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sTitleButtons.h"
#include "skinpaint/sTitleIcon.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

const std::string& OrDefault(const std::string& name, const std::string& fallback) {
    return name.empty() ? fallback : name;
}

ui::HICON FormIcon(vcl::TCustomForm& form) {
    if (ui::HICON icon = form.Icon().Handle()) return icon;
    if (ui::HICON icon = vcl::Application->Icon().Handle()) return icon;
    return ui::DefaultApplicationIcon();
}

}  // namespace

void TsSkinProvider::PaintFrameImage() {
    if ((FForm->ComponentState() & vcl::csDestroying) || !FSkinData->IsSkinned() || !FForm->HandleAllocated()) return;
    skin::TsSkinManager& manager = *FSkinData->UsedManager();
    const TFormGeometry g = Geometry();
    FSkinData->SizeCachePicture();
    gfx::TBitmap& picture = *FSkinData->CachePicture;
    const bool minimizedChild = g.Minimized && vcl::Application->MainForm() != FForm;
    const int height = minimizedChild ? g.TitleHeight() + 2 : g.Height;
    if (picture.Width() != g.Width || picture.Height() != height) picture.SetSize(g.Width, height);
    if (picture.Empty()) return;

    const int state = LookOf(FSkinData->SectionIndex);
    const gfx::TRect whole{0, 0, g.Width, height};
    if (g.HasBorderStyle || g.ThickFrame || FForm->Parent())
        PaintControlItem(*FSkinData, EmptyBackground, false, picture, {FForm->Left(), FForm->Top()}, whole, state);
    else
        PaintSectionBackground(FSkinData->SectionIndex, FSkinData->SkinSection(), EmptyBackground, KEY_COLOR, -1, -1,
                               &manager, picture, {FForm->Left(), FForm->Top()}, whole, state);

    if (FGripMode == gmRightBottom && g.ThickFrame && !g.Maximized)
        if (const skin::TsMaskData* grip = ValidEntry(manager, manager.FindMaskExact("GLOBALINFO", "GRIPIMAGE"))) {
            const gfx::TRect client = g.ClientArea();
            PaintMaskGlyph(picture, {client.Right - skin::FrameWidth(*grip), client.Bottom - skin::FrameHeight(*grip)},
                           0, BackgroundFromBitmap(picture, 0, 0), *grip, gdNormal);
        }
    if (g.Caption > 0 && FDrawNonClientArea) PaintTitle(picture, g);
    FSkinData->PictureStale = false;
}

void TsSkinProvider::PaintTitle(gfx::TBitmap& picture, const TFormGeometry& g) {
    skin::TsSkinManager& manager = *FSkinData->UsedManager();
    static const std::string titleName = "FORMTITLE";
    const std::string& title = OrDefault(FTitleSkin, titleName);
    if (TitleSectionIndex < 0) TitleSectionIndex = manager.FindSection(title);
    const gfx::TRect band = g.Minimized ? gfx::TRect{0, 0, picture.Width(), picture.Height()} : g.TitleBand();
    PaintSectionItem(TitleSectionIndex, title, BackgroundFromBitmap(picture, 0, 0), -1, -1, &manager, picture, {0, 0},
                     band, LookOf(TitleSectionIndex));

    const TTitleButtons buttons = AllButtons();
    const int buttonsWidth = LayoutTitleButtons(manager, g, buttons);
    const bool anyButton = CloseButton.State >= 0 || MaxButton.State >= 0 || MinButton.State >= 0;

    TCaptionParams caption;
    if (g.HasSystemMenu && g.HasCaption) {
        const gfx::TRect icon = TitleIconRect(g, manager.GlobalInfo, FTitleIcon.Width(), FTitleIcon.Height());
        DrawTitleIcon(picture, icon, FTitleIcon.Glyph(), FormIcon(*FForm));
        caption.IconWidth = icon.Width();
    }
    if (anyButton)
        if (const skin::TsMaskData* bar =
                ValidEntry(manager, manager.FindMask(FSkinData->SectionIndex, FSkinData->SkinSection(), "TITLEBAR"))) {
            const gfx::TRect behind{g.Width - (2 * skin::FrameWidth(*bar) + buttonsWidth), 0, g.Width, g.TitleHeight()};
            PaintSkinFrame(picture, behind, BackgroundFromBitmap(picture, 0, 0), *bar, LookOf(FSkinData->SectionIndex),
                           true);
        }

    caption.Text = FForm->Caption();
    caption.ButtonsWidth = buttonsWidth;
    caption.TitleSectionIndex = TitleSectionIndex;
    caption.CaptionSectionIndex = CaptionSectionIndex;
    caption.Active = FDrawnActive;
    caption.Enabled = FForm->Enabled();
    caption.Alignment = FCaptionAlignment;
    caption.RightToLeft = FForm->UseRightToLeftReading();
    caption.ShowMainCaption = FAddedTitle.ShowMainCaption();
    caption.AddedText = FAddedTitle.Text();
    caption.AddedFont = FAddedTitle.Font().Handle();
    DrawCaption(picture, manager, g, caption, FDrawnActive ? CaptionGlowActive : CaptionGlowInactive);

    // What lies under the buttons, so that one of them can be drawn again
    // without painting the title anew.
    FButtonsBackgroundLeft = std::max(0, g.Width - (g.Border + buttonsWidth + 11));
    ButtonsBackground.SetSize(g.Width - FButtonsBackgroundLeft, std::min(picture.Height(), g.TitleHeight()));
    CopyBlock(ButtonsBackground, 0, 0, picture,
              {FButtonsBackgroundLeft, 0, g.Width, ButtonsBackground.Height()});
    DrawButtons(picture, 0);
}

void TsSkinProvider::CopyFrameToScreen() {
    if (!FForm->HandleAllocated()) return;
    const ui::HWND window = FForm->Handle();
    if (RegionStale) UpdateRegion();
    if (FSkinData->PictureStale || !FSkinData->CachePicture || FSkinData->CachePicture->Empty()) PaintFrameImage();
    gfx::TBitmap* picture = FSkinData->CachePicture.get();
    if (!picture || picture->Empty()) return;
    const ui::HDC dc = ui::GetWindowDC(window);
    if (!dc) return;
    const TFormGeometry g = Geometry();
    const int top = std::min(g.TopHeight(), picture->Height());
    const int side = g.SideWidth();
    const gfx::TCanvas& source = picture->Canvas();
    dc->BitBlt(0, 0, g.Width, top, source, 0, 0);
    if (!g.Minimized) {
        dc->BitBlt(0, top, side, g.Height - top, source, 0, top);
        dc->BitBlt(side, g.Height - side, g.Width - 2 * side, side, source, side, g.Height - side);
        dc->BitBlt(g.Width - side, top, side, g.Height - top, source, g.Width - side, top);
    }
    ui::ReleaseDC(window, dc);
}

void TsSkinProvider::PaintClient(ui::HDC dc) {
    if (!dc) return;
    if (FSkinData->PictureStale && MayPaint()) PaintFrameImage();
    gfx::TBitmap* picture = FSkinData->CachePicture.get();
    const TFormGeometry g = Geometry();
    if (picture && !picture->Empty() && !FSkinData->PictureStale) {
        dc->BitBlt(0, 0, g.ClientWidth, g.ClientHeight, picture->Canvas(), g.ClientOffset.X, g.ClientOffset.Y);
        return;
    }
    dc->Brush = {FSkinData->ColorForChildren(), gfx::bsSolid};
    dc->FillRect({0, 0, g.ClientWidth, g.ClientHeight});
}

void TsSkinProvider::UpdateRegion() {
    RegionStale = false;
    if (!FForm->HandleAllocated() || !FDrawNonClientArea) return;
    const TFormGeometry g = Geometry();
    if (!g.HasBorderStyle && !g.ThickFrame && !g.Minimized) return;
    const skin::TsSkinManager& manager = *FSkinData->UsedManager();
    const skin::TsMaskData* title = nullptr;
    if (TitleSectionIndex < 0) TitleSectionIndex = manager.FindSection(OrDefault(FTitleSkin, "FORMTITLE"));
    if (manager.IsValidSkinIndex(TitleSectionIndex))
        title = ValidEntry(manager, manager.Sections[size_t(TitleSectionIndex)].BordersMaskIndex);
    RegionRuns = FrameRegionRuns(ValidEntry(manager, FSkinData->FrameIndex), title, g.Width, g.Height);
    const gfx::TRegion region = FrameRegion(RegionRuns, g);
    const bool showing = FForm->FormState() & vcl::fsShowing;
    ui::SetWindowRgn(FForm->Handle(), &region, !showing || g.Maximized);
}

void TsSkinProvider::AnswerBackground(skin::BackgroundRequest& request) {
    request.X = request.Y = 0;
    if (FSkinData->PictureStale && MayPaint()) PaintFrameImage();
    FSkinData->AnswerBackground(request, LookOf(FSkinData->SectionIndex));
    if (request.Kind == skin::BackgroundRequest::BitmapKnown && !request.Bitmap && !request.PaintNow) {
        PaintFrameImage();
        request.Bitmap = FSkinData->CachePicture.get();
    }
    const gfx::TPoint offset = Geometry().ClientOffset;
    request.X += offset.X;
    request.Y += offset.Y;
}

}  // namespace skinpaint
