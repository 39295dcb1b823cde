#include "gui/widgets/control_table.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "gui/widgets/keyboard_access.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

bool IsNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A caption as a screen reader says it: no mnemonic marks, one line.
QString SpokenCaption(const QObject* control) {
    QString caption = control ? WithoutMnemonic(CaptionOf(control)) : QString();
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return caption;
}

// What a grid holds, in its own header: the captions of its rows when it has
// a fixed column, else those of its columns; each once.
QString GridCaptions(GridView* view) {
    const TextGrid& grid = view->Grid();
    QStringList captions;
    auto add = [&captions](const std::string& text) {
        const QString caption = ToQt(text).simplified();
        if (!caption.isEmpty() && !captions.contains(caption)) {
            captions << caption;
        }
    };
    if (grid.FixedCols() > 0) {
        for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
            add(grid.Cell(0, row));
        }
    } else {
        for (int row = 0; row < grid.FixedRows(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                add(grid.Cell(col, row));
            }
        }
    }
    return captions.join(QStringLiteral(", "));
}

bool IsBox(const QObject* control) {
    return qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control);
}

}  // namespace

void NameControl(QObject* control, const ControlText& row) {
    control->setObjectName(QString::fromLatin1(row.object_name));
    if (row.fixed_text) {
        SetCaption(control, QString::fromUtf8(row.fixed_text));
    }
    if (row.tool_tip) {
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setToolTip(QString::fromUtf8(row.tool_tip->fallback));
        }
    }
}

ControlSet::ControlSet(std::vector<ControlText> rows)
    : m_rows(std::move(rows)), m_objects(m_rows.size()) {}

void ControlSet::Attach(QObject* control, std::size_t index) {
    NameControl(control, m_rows[index]);
    m_objects[index] = control;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        PressOnEnter(button);
    }
}

std::size_t ControlSet::IndexOf(const char* domain_name) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (std::strcmp(m_rows[i].domain_name, domain_name) == 0) {
            return i;
        }
    }
    qFatal("no control \"%s\" in the window's table", domain_name);
}

QObject* ControlSet::Object(const char* domain_name) const {
    return m_objects[IndexOf(domain_name)];
}

QObject* ControlSet::Object(const CatalogueText& caption) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].caption == &caption) {
            return m_objects[i];
        }
    }
    return nullptr;
}

void ControlSet::Caption(const Catalogue& catalogue) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].caption && m_objects[i]) {
            SetCaption(m_objects[i], ToQt(catalogue.Read(*m_rows[i].caption)));
        }
        if (m_rows[i].tool_tip) {
            if (auto* widget = qobject_cast<QWidget*>(m_objects[i].data())) {
                widget->setToolTip(ToQt(catalogue.Read(*m_rows[i].tool_tip)));
            }
        }
    }
    // Names are made of captions: all of them first.
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Speak(i, catalogue);
    }
    // Each caption of the window may have changed the letters the others can take.
    for (const QPointer<QObject>& control : m_objects) {
        if (auto* widget = qobject_cast<QWidget*>(control.data())) {
            AssignMnemonics(widget->window());
            break;
        }
    }
}

void ControlSet::Caption() const {
    Caption(Catalogue());
}

void ControlSet::Speak(std::size_t index, const Catalogue& catalogue) const {
    auto* widget = qobject_cast<QWidget*>(m_objects[index].data());
    if (!widget) {
        return;
    }
    const QString name = SpokenName(index, catalogue);
    if (!name.isNull()) {
        widget->setAccessibleName(name);
    }
    // A description that says the name again says nothing.
    const QString description = SpokenDescription(index, catalogue);
    if (!description.isNull()) {
        widget->setAccessibleDescription(description == widget->accessibleName() ? QString()
                                                                                 : description);
    }
    LinkLabel(index);
}

QString ControlSet::SpokenName(std::size_t index, const Catalogue& catalogue) const {
    const ControlText& row = m_rows[index];
    if (row.named_by || row.name || row.fixed_name) {
        QStringList parts;
        if (row.named_by) {
            parts << Spoken(row.named_by);
        }
        if (row.name) {
            parts << ToQt(catalogue.Read(*row.name));
        }
        if (row.fixed_name) {
            parts << QString::fromUtf8(row.fixed_name);
        }
        return parts.join(QLatin1Char(' ')).trimmed();
    }
    if (row.caption || row.fixed_text) {
        return SpokenCaption(m_objects[index]);
    }
    // Qt's own reading stands: a window's title, a label's text set elsewhere.
    return QString();
}

QString ControlSet::SpokenDescription(std::size_t index, const Catalogue& catalogue) const {
    const ControlText& row = m_rows[index];
    if (row.described_by) {
        return Spoken(row.described_by);
    }
    if (row.tool_tip) {
        return ToQt(catalogue.Read(*row.tool_tip));
    }
    if (auto* grid = qobject_cast<GridView*>(m_objects[index].data())) {
        return GridCaptions(grid);
    }
    return QString();
}

QString ControlSet::Spoken(const char* rows) const {
    const QString text = QString::fromUtf8(rows);
    QString spoken;
    for (int at = 0; at < text.size();) {
        if (!IsNameCharacter(text[at])) {
            spoken += text[at++];
            continue;
        }
        int end = at;
        while (end < text.size() && IsNameCharacter(text[end])) {
            ++end;
        }
        const QByteArray domain_name = text.mid(at, end - at).toLatin1();
        spoken += SpokenCaption(m_objects[IndexOf(domain_name.constData())]);
        at = end;
    }
    return spoken.trimmed();
}

void ControlSet::LinkLabel(std::size_t index) const {
    const ControlText& row = m_rows[index];
    QObject* control = m_objects[index];
    if (!row.named_by || !IsBox(control)) {
        return;
    }
    // The label the name starts with is the one in front of the box.
    const char* end = row.named_by;
    while (*end && IsNameCharacter(QLatin1Char(*end))) {
        ++end;
    }
    const QByteArray first(row.named_by, static_cast<int>(end - row.named_by));
    auto* label = qobject_cast<QLabel*>(m_objects[IndexOf(first.constData())].data());
    if (label && !label->buddy()) {
        label->setBuddy(static_cast<QWidget*>(control));
    }
}

}  // namespace orvanta
