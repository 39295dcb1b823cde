#include "gui/help/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/help/help_target.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

namespace captions {
constexpr CatalogueText kTitle{"FrmHelp", "Caption", "Help"};
constexpr CatalogueText kExit{"FrmHelp", "Exit", "Exit"};
}  // namespace captions

}  // namespace

const ControlTable<NoPage>& HelpWindowControls() {
    using C = Control<>;
    static const ControlTable<NoPage> table = {
        C::Own("FrmHelp", "window", captions::kTitle),
        C::Own("WebBrowser1", "page").NamedBy("window"),
        C::Own("Panel1", "button_panel").NamedBy("exit"),
        C::Own("BitBtn1", "exit", captions::kExit),
    };
    return table;
}

namespace {

constexpr int kWidth = 696;
constexpr int kHeight = 480;
constexpr int kPanelHeight = 35;
constexpr int kButtonWidth = 108;
constexpr int kButtonHeight = 25;

// A help page is a few hundred kilobytes; anything far larger is not one of ours.
constexpr qint64 kMaxPageBytes = 16 << 20;
constexpr int kAnchorGap = 8;

// The browser control. A page that is not there (or far too large to be one of ours) gets a
// short notice in both languages, as a web browser shows a page of its own for a missing
// file, rather than an empty window.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
        // Room between the page and the frame; a new page keeps its document's margin.
        document()->setDocumentMargin(10);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
            const QFileInfo page(name.toLocalFile());
            if (!page.isFile() || page.size() > kMaxPageBytes) {
                return Notice(QDir::toNativeSeparators(page.filePath()));
            }
        }
        return QTextBrowser::loadResource(type, name);
    }

protected:
    // A section's heading would otherwise sit against the frame: leave a little above it.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        QTextBrowser::doSetSource(name, type);
        if (name.hasFragment() && isVisible()) {
            QScrollBar* bar = verticalScrollBar();
            bar->setValue(bar->value() - kAnchorGap);
        }
    }

private:
    static QString Notice(const QString& path) {
        return QStringLiteral(
                   "<html><body><h3>Η σελίδα βοήθειας δεν βρέθηκε</h3>"
                   "<h3>The help page cannot be found</h3><p><tt>%1</tt></p></body></html>")
            .arg(path.toHtmlEscaped());
    }
};

}  // namespace

HelpWindow::HelpWindow(Services& services, const Catalogue& catalogue, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_catalogue(catalogue),
      m_controls(HelpWindowControls()) {
    m_controls.Name(this, "window");
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_browser = m_controls.Name(new HelpBrowser(this), "page");
    layout->addWidget(m_browser, 1);

    auto* panel = m_controls.Name(new QWidget(this), "button_panel");
    panel->setFixedHeight(kPanelHeight);
    auto* strip = new QHBoxLayout(panel);
    const int gap = (kPanelHeight - kButtonHeight) / 2;
    strip->setContentsMargins(0, gap, gap + 3, kPanelHeight - kButtonHeight - gap);
    strip->addStretch(1);
    auto* exit = m_controls.Name(new QPushButton(panel), "exit");
    exit->setFixedSize(kButtonWidth, kButtonHeight);
    exit->setIcon(
        QIcon::fromTheme(QStringLiteral("application-exit"),
                         QApplication::style()->standardIcon(QStyle::SP_DialogCloseButton)));
    strip->addWidget(exit);
    layout->addWidget(panel);

    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    resize(kWidth, kHeight);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        OnShowing();
    }
    QDialog::showEvent(event);
}

void HelpWindow::OnShowing() {
    m_controls.Caption(m_catalogue);

    const std::string page =
        HelpTarget(m_services.platform.DataFolder(), m_catalogue.FileName(), kHelpTop);
    const std::string anchor = HelpAnchor(m_help_topic);

    // The anchor goes into the URL's fragment; the page's path stays a path, whatever
    // characters the data folder's name holds.
    QUrl url = QUrl::fromLocalFile(QDir::fromNativeSeparators(ToQt(page)));
    if (!anchor.empty()) {
        url.setFragment(ToQt(anchor.substr(1)));
    }
    m_browser->setSource(url, QTextDocument::HtmlResource);
}

}  // namespace orvanta
