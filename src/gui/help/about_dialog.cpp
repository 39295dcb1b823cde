#include "gui/help/about_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "core/help/about_texts.h"
#include "core/update/vendor.h"
#include "core/update/version_info.h"
#include "gui/widgets/fixed_colours.h"
#include "gui/widgets/qt_convert.h"

// The pictures are compiled into a static library, where nothing would pull their object
// in: they are registered by hand, from the global namespace as Qt wants it.
static void RegisterAboutPictures() {
    Q_INIT_RESOURCE(about_dialog);
}

namespace orvanta {

// Their texts are put together from the catalogue, the version and the
// vendor's fields at every showing; the pictures go by the box's title.
const ControlTable<NoPage>& AboutBoxControls() {
    using C = Control<>;
    static const ControlTable<NoPage> table = {
        C::Own("AboutDlgS", "window"),
        C::Own("Panel1", "panel").NamedBy("window"),
        C::Own("ProgramIcon", "logo").NamedBy("window"),
        C::Own("Version", "version"),
        C::Own("Copyright", "copyright"),
        C::Own("Label4", "web_link"),
        C::Own("Label1", "telephone"),
        C::Own("LblMobile", "mobile"),
        C::Own("Label3", "email_caption"),
        C::Own("Label5", "mail_link"),
        // The line over the warning.
        C::Own("Bevel1", "bevel").NamedBy("warning"),
        C::Own("Label2", "warning"),
        C::Own("OKButton", "ok"),
    };
    return table;
}

namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 391;
constexpr int kPanelHeight = 361;
constexpr int kBevelWidth = 1;
constexpr int kIconHeight = 149;
// The logo is a 100 x 56 picture, drawn at four times the pixels so that stretching it
// over the top of the box keeps it sharp.
constexpr int kLogoWidth = 100;

const QColor kBackground(191, 225, 197);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(160, 160, 160);
const QColor kLinkColour(0, 0, 255);

// A panel with a lowered outer and a raised inner bevel, in its parent's colour.
class BevelPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect outer = rect();
        Frame(painter, outer, kShadow, kHighlight);
        Frame(painter, outer.adjusted(1, 1, -1, -1), kHighlight, kShadow);
    }

private:
    static void Frame(QPainter& painter, const QRect& r, const QColor& top_left,
                      const QColor& bottom_right) {
        painter.setPen(top_left);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottom_right);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
};

// A raised horizontal line: light over dark.
class BevelLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(kHighlight);
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(kShadow);
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

void MakeLink(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLinkColour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    // Tab reaches a link (a click does not take the focus from OK).
    label->setFocusPolicy(Qt::TabFocus);
}

// A link that has the keyboard's focus is drawn in the palette's selection
// colours, as a focused item of a list is.
void ShowLinkFocus(QLabel* label, bool focused) {
    label->setAutoFillBackground(focused);
    label->setBackgroundRole(focused ? QPalette::Highlight : QPalette::Window);
    label->setForegroundRole(focused ? QPalette::HighlightedText : QPalette::WindowText);
}

bool OpensLink(const QKeyEvent* key) {
    return !(key->modifiers() & ~Qt::KeypadModifier) &&
           (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Space);
}

}  // namespace

AboutBox::AboutBox(Services& services, const Catalogue& catalogue, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_catalogue(catalogue),
      m_controls(AboutBoxControls()) {
    RegisterAboutPictures();
    m_controls.Name(this, "window");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);

    m_panel = m_controls.Name(new BevelPanel(this), "panel");
    m_panel->setGeometry(0, 0, kClientWidth, kPanelHeight);

    AddLogo();
    m_version = AddLabel("version", 8, 168);
    m_copyright = AddLabel("copyright", 8, 192);
    m_web = AddLabel("web_link", 8, 216);
    m_telephone = AddLabel("telephone", 8, 240);
    m_mobile = AddLabel("mobile", 9, 259);
    m_email_caption = AddLabel("email_caption", 8, 275);
    m_email = AddLabel("mail_link", 96, 275);
    MakeLinks();

    auto* bevel = m_controls.Name(new BevelLine(m_panel), "bevel");
    bevel->setGeometry(8, 304, 297, 2);

    m_warning = AddLabel("warning", 8, 320);
    m_warning->setWordWrap(true);
    m_warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_warning->setFixedSize(297, 33);

    m_ok = m_controls.Name(new QPushButton(this), "ok");
    m_ok->setGeometry(120, 365, 75, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

void AboutBox::AddLogo() {
    const int inset = 2 * kBevelWidth;
    m_icon = m_controls.Name(new QLabel(m_panel), "logo");
    m_icon->setGeometry(inset, inset, kClientWidth - 2 * inset, kIconHeight);
    m_icon->setScaledContents(true);
    QPixmap logo(QStringLiteral(":/support/orvanta_logo.png"));
    if (!logo.isNull()) {
        logo.setDevicePixelRatio(static_cast<qreal>(logo.width()) / kLogoWidth);
        m_icon->setPixmap(logo);
    }
}

void AboutBox::MakeLinks() {
    QFont web_font = m_web->font();
    web_font.setPixelSize(13);
    m_web->setFont(web_font);
    MakeLink(m_web);
    MakeLink(m_email);
    m_web->setText(QString::fromUtf8(vendor::kWebServer));
    m_email->setText(QString::fromUtf8(vendor::kEmail));
    m_web->adjustSize();
    m_email->adjustSize();
    m_web->installEventFilter(this);
    m_email->installEventFilter(this);
}

QLabel* AboutBox::AddLabel(const char* control, int left, int top) {
    auto* label = m_controls.Name(new QLabel(m_panel), control);
    // Catalogue texts are shown as they are written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    return label;
}

void AboutBox::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        OnShowing();
        // OK first, as it is the default; the links come before it on the way
        // Tab goes, as they stand above it.
        m_ok->setFocus(Qt::OtherFocusReason);
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
    QDialog::showEvent(event);
}

void AboutBox::OnShowing() {
    PaintFixed(this, kBackground);

    const AboutTexts texts =
        MakeAboutTexts(m_catalogue, ReadVersionInfo(m_services.platform.ProgramFile()));
    setWindowTitle(ToQt(texts.caption));
    m_telephone->setText(ToQt(texts.telephone));
    m_mobile->setText(ToQt(texts.mobile));
    m_email_caption->setText(ToQt(texts.email_caption));
    m_warning->setText(ToQt(texts.warning));
    m_version->setText(ToQt(texts.version));
    m_copyright->setText(ToQt(texts.copyright));
    m_ok->setText(ToQt(texts.ok));
    for (QLabel* label : {m_telephone, m_mobile, m_email_caption, m_version, m_copyright}) {
        label->adjustSize();
    }
    m_controls.Caption(m_catalogue);
}

void AboutBox::OnHomePageLink() {
    m_services.platform.OpenUrl(HomePageUrl());
}

void AboutBox::OnMailLink() {
    m_services.platform.OpenUrl(MailUrl(FromQt(m_email->text())));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_web || watched == m_email) {
        auto* label = static_cast<QLabel*>(watched);
        if (OnLinkEvent(label, event)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A link opens on a click or, when it has the focus, on Enter or Space.
bool AboutBox::OnLinkEvent(QLabel* label, QEvent* event) {
    bool open = false;
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            open = mouse->button() == Qt::LeftButton &&
                   label->rect().contains(mouse->position().toPoint());
            break;
        }
        case QEvent::KeyPress:
            open = OpensLink(static_cast<QKeyEvent*>(event));
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            ShowLinkFocus(label, event->type() == QEvent::FocusIn);
            return false;
        default:
            return false;
    }
    if (open) {
        if (label == m_web) {
            OnHomePageLink();
        } else {
            OnMailLink();
        }
    }
    return open;
}

}  // namespace orvanta
