#include "app/dialogs/about_dialog.h"

#include "app/app_info.h"
#include "app/dialogs/dialog_parts.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

// The dog's pictures live in this static library.
static void initAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace velbrant {

namespace {

constexpr int DogSize = 46;
constexpr int PanelWidth = 198;
constexpr int StartPosition = 208;
constexpr int LeftmostPosition = -50;
constexpr int ReentryPosition = 300;

} // namespace

AboutDialog::AboutDialog(DogAnimation& dog, QWidget* parent)
    : QDialog(parent), m_animation(dog), m_dog(new QLabel) {
    initAboutResources();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Info"));
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedSize(PanelWidth, 161);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/velbrant.svg")).pixmap(38, 38));
    icon->setGeometry(19, 19, 38, 38);
    auto* name = new QLabel(ProgramCaption, panel);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setGeometry(61, 16, 125, 28);
    name->setAlignment(Qt::AlignCenter);
    QFont nameFont(QStringLiteral("Liberation Sans"));
    nameFont.setPixelSize(22);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    name->setFont(nameFont);
    auto* version = new QLabel(tr("Version %1").arg(ProgramVersion), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(70, 53, 116, 20);
    version->setAlignment(Qt::AlignCenter);
    auto* comments = new QLabel(tr("Struktogramm-Editor für Linux-Desktops"), panel);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setGeometry(20, 84, 158, 30);
    comments->setAlignment(Qt::AlignCenter);
    comments->setWordWrap(true);
    m_dog->setParent(panel);
    m_dog->setObjectName(QStringLiteral("Dog"));
    m_dog->setGeometry(166 - 8, 115 - 8, DogSize, DogSize);
    m_dog->setCursor(Qt::PointingHandCursor);
    m_dog->installEventFilter(this);
    showFrame(1);

    QPushButton* ok = makeButton(this, "OkButton", tr("&Ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());

    m_timer.setInterval(StepInterval);
    connect(&m_timer, &QTimer::timeout, this, &AboutDialog::step);
}

void AboutDialog::showFrame(int frame) {
    m_dog->setPixmap(
        QIcon(QStringLiteral(":/about/dog%1.svg").arg(frame)).pixmap(DogSize, DogSize));
    m_dog->setProperty("frame", frame);
}

void AboutDialog::step() {
    if (++m_animation.frame > 7)
        m_animation.frame = 2;
    showFrame(m_animation.frame);
    m_animation.position -= 10;
    if (m_animation.position < LeftmostPosition)
        m_animation.position = ReentryPosition;
    m_dog->move(m_animation.position - 8, m_dog->y());
}

void AboutDialog::showEvent(QShowEvent* event) {
    m_animation.position = StartPosition;
    QDialog::showEvent(event);
}

void AboutDialog::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QDialog::hideEvent(event);
}

// A click on the dog starts it running.
bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dog && event->type() == QEvent::MouseButtonRelease)
        m_timer.start();
    return QDialog::eventFilter(watched, event);
}

} // namespace velbrant
