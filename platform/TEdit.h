#pragma once

#include <QLineEdit>

#include "platform/Controls.h"
#include "platform/Graphics.h"

// Single-line text field.
class TEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)

public:
    explicit TEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // An equal text changes nothing; a new one shows from its first character.
    void SetText(const QString& value);

    // Selects all on focus entry, unless a left-button press brings the focus.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }

    // False: the selection stays (and shows) while the field has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value) { hideSelection_ = value; }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetControlColor(*this, QPalette::Base, color_, value); }

    // The selection runs from its lower end for SelLength characters; the caret ends at its far
    // end and is scrolled into view, focused or not.
    int SelLength() const { return selectionLength(); }
    void SetSelLength(int value);

    // On X11 the whole text also becomes the PRIMARY selection, as a dragged selection does.
    void SelectAll();

    bool Focused() const { return hasFocus(); }

    // Raises OnMouseActivate. The application calls it for a press on the field before Qt
    // moves the focus for that press; an event filter here would be too late.
    void NotifyMousePress(const QMouseEvent& event);

signals:
    void OnEnter(TObject* Sender);
    void OnClick(TObject* Sender);
    // Raised when a mouse button goes down on the field, before the press moves the focus.
    void OnMouseActivate(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y,
                         int HitTest, TMouseActivate& MouseActivate);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // OnClick comes after the field's own handling, so a dragged selection is complete by then.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Selection {
        int start;
        int length;
        int cursor;
    };
    Selection selection() const;
    void restore(const Selection& s);

    bool autoSelect_ = true;
    bool hideSelection_ = true;
    TColor color_ = clWindow;
    ClickTracker click_;
};
