#include "gui/widgets/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QStringList>

#include <algorithm>

#include "gui/widgets/grid_accessible.h"

namespace orvanta {

namespace {

// A message box's row of buttons, which Qt leaves without a name: its
// buttons' captions in the order they stand.
class ButtonRowAccessible : public QAccessibleWidget {
public:
    explicit ButtonRowAccessible(QDialogButtonBox* row)
        : QAccessibleWidget(row, QAccessible::Grouping) {}

    QString text(QAccessible::Text text) const override {
        const QString own = QAccessibleWidget::text(text);
        if (text != QAccessible::Name || !own.isEmpty()) {
            return own;
        }
        QList<QAbstractButton*> buttons = static_cast<QDialogButtonBox*>(widget())->buttons();
        std::stable_sort(buttons.begin(), buttons.end(),
                         [](const QAbstractButton* a, const QAbstractButton* b) {
                             return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
                         });
        QStringList captions;
        for (const QAbstractButton* button : buttons) {
            captions << button->text().remove(QLatin1Char('&'));
        }
        return captions.join(QStringLiteral(", "));
    }
};

QAccessibleInterface* MakeButtonRowAccessible(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(QDialogButtonBox::staticMetaObject.className())) {
        return nullptr;
    }
    auto* row = qobject_cast<QDialogButtonBox*>(object);
    return row ? new ButtonRowAccessible(row) : nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeGridAccessible);
        QAccessible::installFactory(MakeButtonRowAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace orvanta
