#pragma once

// A label for a remark whose length the program does not know in advance: each
// of its lines is cut to the label's width with an ellipsis, and the whole text
// is its tool tip and its description for a screen reader. It asks for no
// width of its own, so a long remark never widens the window, and it keeps
// room for a set number of lines, so that a remark coming or going never moves
// the controls around it.

#include <QLabel>
#include <QString>

namespace orvanta {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    const QString& FullText() const { return m_full; }
    void SetLines(int lines);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Elide();

    QString m_full;
    int m_lines = 1;
};

}  // namespace orvanta
