#pragma once

#include "FindingBoxes.h"

#include <QList>
#include <QObject>

class EditorSettings;
class QLineEdit;
class QMenu;
class QPainter;
class QPlainTextEdit;

// Marks the findings of a box at their words, drawn over what the box draws: a straight double
// line under the words, in blue, which neither the spelling's red wave nor its colour can be
// taken for. Hovering shows the finding; the context menu on a marked word explains it and
// can turn its rule off. Works on a QPlainTextEdit or a QLineEdit; lives as long as the box.
class FindingMarks : public QObject {
    Q_OBJECT
public:
    FindingMarks(QWidget* box, FindingsModel& model, SectionIndex section, BoxSplits splits, EditorSettings& settings);

    // The context menu for a position of the box (as the box counts it), with the finding's
    // entries first when one is there; the caller shows and deletes it.
    QMenu* createMenu(int position);

    // The findings marked now, in the order of their starts.
    const QList<Finding>& marked() const { return m_marked; }

    static QString whyText() { return QStringLiteral("Why is this reported?"); }
    static QString turnOffText() { return QStringLiteral("Turn off this rule"); }
    static QColor colour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void modelUpdated();
    // Text typed since the last update moves the marks after it at once; a mark the edit
    // touches waits for the next update.
    void shift(qsizetype at, qsizetype removed, qsizetype added);
    void paintPlain(QPlainTextEdit* edit);
    void paintLine(QLineEdit* edit);
    static void paintMark(QPainter& painter, qreal left, qreal right, qreal bottom);
    // The box's position and the text's position of a point, a cursor.
    int positionAt(QPoint inWatched, QObject* watched) const;
    int cursorPosition() const;
    QPoint cursorPoint() const;
    qsizetype textPosition(int boxPosition) const;
    void popup(int position, QPoint global);
    void explain(const Finding& finding);

    QWidget* m_box;
    QWidget* m_surface;  // what the box draws its text on
    FindingsModel& m_model;
    SectionIndex m_section;
    BoxSplits m_splits;
    EditorSettings& m_settings;
    QList<Finding> m_marked;  // what was last drawn
    QString m_lineText;       // a line edit's text before its change
    bool m_painting = false;
};
