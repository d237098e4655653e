// The repaint entry point, the window outline and the face dispatch of the button.
#include "CandyButton.h"

#include "CaptionPainter.h"
#include "ColorMath.h"
#include "CrescentFace.h"
#include "FaceColor.h"
#include "GlossFace.h"
#include "GlossParams.h"
#include "ShapeGeometry.h"
#include "StandardFaces.h"

#include <QPainter>
#include <QShowEvent>

#include <algorithm>

void CandyButton::Redraw(ButtonState state)
{
    m_ShownFaceCurrent = false;
    if (m_Checked)
        state = StateChecked;
    if (!m_PropertiesReady)
        return;
    if (m_Surface.Width() != width() || m_Surface.Height() != height())
        m_Surface.Resize(width(), height());
    m_Surface.Clear();
    switch (m_Style) {
    case StyleStandard:
        DrawStandardStyle(state);
        break;
    case StyleToolbar:
        DrawToolbarStyle(state);
        break;
    case StyleCapsuleGloss:
    case StyleRoundedGloss:
    case StyleCapsuleShine:
    case StyleBubble:
    case StyleCentreGlow:
        DrawGlossStyle(state);
        break;
    case StyleCrescent:
        DrawCrescentStyle(state);
        break;
    default:
        break; // unknown styles have no face; caption and picture still show
    }
    m_Face = m_Surface.Image();
    DrawIconWCaption(state);
}

void CandyButton::DrawIconWCaption(ButtonState state)
{
    m_CaptionState = state;
    DrawCaptionAndPicture(m_Surface, CaptionInputsNow(), state);
    update();
}

CaptionInputs CandyButton::CaptionInputsNow() const
{
    CaptionInputs inputs;
    inputs.caption = m_Caption;
    inputs.picture = &m_Picture;
    inputs.pictureAlignment = m_PictureAlignment;
    inputs.enabled = m_Enabled;
    inputs.iconHighLite = m_IconHighLite;
    inputs.iconHighLiteColor = m_IconHighLiteColor;
    inputs.captionHighLite = m_CaptionHighLite;
    inputs.captionHighLiteColor = m_CaptionHighLiteColor;
    inputs.cornerRadius = m_CornerRadius;
    return inputs;
}

void CandyButton::PaintScaled(QPainter& painter) const
{
    // The face is pixel work and is shown enlarged as it is; caption and picture are drawn
    // again at the screen's resolution over the face they were drawn on.
    painter.drawImage(rect(), m_Face);
    PaintCaptionAndPictureScaled(painter, m_Surface, CaptionInputsNow(), m_CaptionState);
}

void CandyButton::DrawStandardStyle(ButtonState state)
{
    ::DrawStandardStyle(m_Surface, state, HostBackColor());
}

void CandyButton::DrawToolbarStyle(ButtonState state)
{
    ::DrawToolbarStyle(m_Surface, state, m_Enabled, HostBackColor());
}

void CandyButton::DrawGlossStyle(ButtonState state)
{
    const std::optional<OleColor> colour =
        FaceColorForState(state, m_ColorButtonUp, m_ColorButtonHover, m_ColorButtonDown);
    if (!colour)
        return;
    const int w = m_Surface.Width();
    const int h = m_Surface.Height();
    const std::optional<GlossParams> params = GlossParamsFor(m_Style, w, h, m_CornerRadius);
    if (!params)
        return; // a size the record cannot be worked out for: the face stays cleared
    m_CornerRadius = std::max(m_CornerRadius, 1);
    GlossLook look;
    look.cornerRadius = m_CornerRadius;
    look.innerShape = m_InnerShape ? &*m_InnerShape : nullptr;
    look.enabled = m_Enabled;
    look.borderBrightness = m_BorderBrightness;
    look.bright = m_ColorBright;
    PaintGlossFace(m_Surface, w, h, *colour, *params, look);
}

void CandyButton::DrawCrescentStyle(ButtonState state)
{
    const std::optional<OleColor> colour =
        FaceColorForState(state, m_ColorButtonUp, m_ColorButtonHover, m_ColorButtonDown);
    if (!colour)
        return;
    m_CornerRadius = std::max(m_CornerRadius, 1);
    PaintCrescentFace(m_Surface, m_Surface.Width() - 1, m_Surface.Height() - 1, *colour, m_ColorBright, m_CornerRadius);
}

std::optional<OleColor> CandyButton::HostBackColor() const
{
    const QWidget* host = parentWidget();
    if (!host)
        return std::nullopt;
    return FromQColor(host->palette().color(host->backgroundRole()));
}

ShapeRegion CandyButton::BuildShapeRegion(int left, int top, int width, int height, int radius)
{
    m_CornerRadius = std::max(radius, 1);
    return ::BuildShapeRegion(left, top, width, height, m_CornerRadius);
}

void CandyButton::RebuildShape()
{
    m_InnerShape.reset();
    const int w = width();
    const int h = height();
    const std::optional<int> radius = CornerRadiusFor(m_Style, w, h);
    if (!radius) {
        m_WindowShape.reset();
        clearMask();
        return;
    }
    m_CornerRadius = *radius;
    m_WindowShape = BuildShapeRegion(0, 0, w, h, m_CornerRadius);
    // An empty mask would mean no mask at all; an empty outline shows nothing instead.
    const QRegion outline = m_WindowShape->ToQRegion();
    setMask(outline.isEmpty() ? QRegion(-1, -1, 1, 1) : outline);
    m_InnerShape = BuildShapeRegion(1, 1, w - 2, h - 2, m_CornerRadius);
}

void CandyButton::resizeEvent(QResizeEvent*)
{
    RebuildShape();
    Redraw(StateNormal);
}

void CandyButton::showEvent(QShowEvent* event)
{
    // Its window coming on screen shows every control once more: a face drawn for the
    // control's own showing, with nothing drawn since, is still the one to show.
    if (event->spontaneous() && m_ShownFaceCurrent)
        return;
    RebuildShape();
    Redraw(StateNormal);
    m_ShownFaceCurrent = true;
}
