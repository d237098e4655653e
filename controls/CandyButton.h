#pragma once

#include "ButtonPicture.h"
#include "ButtonTypes.h"
#include "CaptionPainter.h"
#include "PixelSurface.h"
#include "PropertyBag.h"
#include "ShapeRegion.h"
#include "WindowHook.h"
#include "WindowSubclasser.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QPainter;

// The owner-drawn command button of the main window and the start dialog. It keeps its
// properties, paints every face into a retained surface with the painters of this folder,
// cuts its window to the outline of shaped styles and tells its host which saved property
// changed. It is created empty; the host then initialises it as a new button or reads its
// saved properties, and only from then on does it draw.
class CandyButton : public QWidget, private HookCallback {
    Q_OBJECT

public:
    explicit CandyButton(QWidget* parent = nullptr);
    ~CandyButton() override;

    // The control type's name: the fallback caption and the caption's saved default.
    static QString TypeName();

    // Properties, in the order of the control's interface.
    bool DisplayHand() const { return m_DisplayHand; }
    void SetDisplayHand(bool value);
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool value);
    int ColorScheme() const { return m_ColorScheme; }
    void SetColorScheme(int value);
    int BorderBrightness() const { return m_BorderBrightness; }
    void SetBorderBrightness(int value);
    bool IconHighLite() const { return m_IconHighLite; }
    void SetIconHighLite(bool value);
    OleColor IconHighLiteColor() const { return m_IconHighLiteColor; }
    void SetIconHighLiteColor(OleColor value);
    bool CaptionHighLite() const { return m_CaptionHighLite; }
    void SetCaptionHighLite(bool value);
    OleColor CaptionHighLiteColor() const { return m_CaptionHighLiteColor; }
    void SetCaptionHighLiteColor(OleColor value);
    OleColor ColorBright() const { return m_ColorBright; }
    void SetColorBright(OleColor value);
    OleColor ColorButtonDown() const { return m_ColorButtonDown; }
    void SetColorButtonDown(OleColor value);
    OleColor ColorButtonUp() const { return m_ColorButtonUp; }
    void SetColorButtonUp(OleColor value);
    OleColor ColorButtonHover() const { return m_ColorButtonHover; }
    void SetColorButtonHover(OleColor value);
    OleColor ForeColor() const { return m_ForeColor; }
    void SetForeColor(OleColor value);
    const ButtonPicture& Picture() const { return m_Picture; }
    void SetPicture(const ButtonPicture& value);
    bool Checked() const { return m_Checked; }
    void SetChecked(bool value);
    int Style() const { return m_Style; }
    void SetStyle(int value);
    int PictureAlignment() const { return m_PictureAlignment; }
    void SetPictureAlignment(int value);
    const QString& Caption() const { return m_Caption; }
    void SetCaption(const QString& value);
    QFont Font() const { return m_Surface.Font(); }
    void SetFont(const QFont& value);

    // Drawing operations of the public interface.
    void DrawIconWCaption(ButtonState state);
    OleColor BlendColors(OleColor colour1, OleColor colour2, int& percentage) const;
    void GetRGB(int& red, int& green, int& blue, OleColor colour) const;

    // Lifecycle called by the host. A button created in code gets the new-button values too.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag, bool userMode = true);
    void WriteProperties(PropertyBag& bag) const;
    bool PropertiesReady() const { return m_PropertiesReady; }

    // Repaints everything for a state (Checked forces StateChecked); nothing before the
    // properties are ready. Called after property changes and by the input handlers.
    void Redraw(ButtonState state);
    // Recomputes the corner radius, the window outline and the inner outline for Style and size.
    void RebuildShape();

    int CornerRadius() const { return m_CornerRadius; }
    // The window outline of a shaped style (also given to setMask), and the outline one pixel
    // inside it; none for the rectangular styles.
    const std::optional<ShapeRegion>& WindowShape() const { return m_WindowShape; }
    const std::optional<ShapeRegion>& InnerShape() const { return m_InnerShape; }

    // The colour a face leaves showing: the control's own background, not a saved property.
    OleColor BackColor() const { return m_Surface.BackColor(); }
    void SetBackColor(OleColor colour);

    // The retained picture shown on screen.
    const PixelSurface& Surface() const { return m_Surface; }

    bool IsHovering() const { return m_IsHovering; }
    bool HasFocus() const { return m_HasFocus; }
    bool HoverTrackingEnabled() const { return m_HoverTrackingEnabled; }
    bool UseUser32Tracking() const { return m_UseUser32Tracking; }
    // The hook on the button's own window, present from reading saved properties at run time.
    WindowHook* Hook() const { return m_Subclasser.HookOf(this); }

    // Pressing the button the way Enter does (MouseDown, MouseUp, Click), for assistive tools.
    void PressAsByEnter();

signals:
    // A saved property changed; the name is the one the host saves under ("m_ColorScheme", ...).
    void PropertyChanged(const QString& name);

    // Events raised to the host. Button: left 1, right 2, middle 4; Shift: Shift 1, Ctrl 2,
    // Alt 4; X and Y in the button's own pixels.
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void MouseDown(short Button, short Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void WindowProc(bool before, bool& handled, std::intptr_t& result, QWidget* window, int message,
                    std::uintptr_t wParam, std::intptr_t lParam) override;
    void OnMouseDown(short button, short shift, float x, float y);
    void OnMouseMove(short button, short shift, float x, float y);
    void OnMouseUp(short button, short shift, float x, float y);
    void OnClick();
    void OnMouseMoveMessage(std::uintptr_t keyState, std::intptr_t position);
    void OnMouseLeaveMessage();
    void RequestMouseLeave();
    void ApplyFocusPolicy();
    void SetSchemeColor(OleColor& colour, OleColor value, const QString& name);
    ShapeRegion BuildShapeRegion(int left, int top, int width, int height, int radius);
    std::optional<OleColor> HostBackColor() const;
    QFont HostFont() const;
    void DrawStandardStyle(ButtonState state);
    void DrawToolbarStyle(ButtonState state);
    void DrawGlossStyle(ButtonState state);
    void DrawCrescentStyle(ButtonState state);
    void SetUpHoverTracking();
    CaptionInputs CaptionInputsNow() const;
    // The button on a screen that scales the program up.
    void PaintScaled(QPainter& painter) const;

    bool m_DisplayHand = false;
    bool m_Enabled = false;
    int m_ColorScheme = 0;
    int m_BorderBrightness = 0;
    bool m_IconHighLite = false;
    OleColor m_IconHighLiteColor = 0;
    bool m_CaptionHighLite = false;
    OleColor m_CaptionHighLiteColor = 0;
    OleColor m_ColorBright = 0;
    OleColor m_ColorButtonDown = 0;
    OleColor m_ColorButtonUp = 0;
    OleColor m_ColorButtonHover = 0;
    OleColor m_ForeColor = 0;
    ButtonPicture m_Picture;
    bool m_Checked = false;
    int m_Style = 0;
    int m_PictureAlignment = 0;
    QString m_Caption;

    bool m_IsHovering = false;
    bool m_HasFocus = false;
    bool m_PropertiesReady = false;
    // The face was drawn for the control's own showing and nothing has been drawn since.
    bool m_ShownFaceCurrent = false;
    bool m_HoverTrackingEnabled = false;
    bool m_UseUser32Tracking = false;
    bool m_ClickPending = false;   // a left press on the button that a release may complete
    bool m_KeyboardFocus = false;  // focus came by Tab: show the focus cue
    int m_PressedKey = 0;          // Enter or Space pressed on the focused button, not yet released

    int m_CornerRadius = 0;
    std::optional<ShapeRegion> m_WindowShape;
    std::optional<ShapeRegion> m_InnerShape;
    PixelSurface m_Surface;
    // The surface as the face left it, before caption and picture, and the state they were
    // last drawn for: what a scaling screen is painted from.
    QImage m_Face;
    ButtonState m_CaptionState = StateNormal;
    WindowSubclasser m_Subclasser{this};
};
