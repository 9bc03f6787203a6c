#include "app/helpviewer.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/assets.h"
#include "project/formnames.h"

namespace belt {

namespace {

const QKeySequence kBackKey(Qt::ALT | Qt::Key_Left);
const QKeySequence kForwardKey(Qt::ALT | Qt::Key_Right);

QToolButton* HistoryButton(QWidget* parent, const char* name, const QString& text,
                           QStyle::StandardPixmap icon, const QKeySequence& key) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    b->setEnabled(false);
    return b;
}

}  // namespace

int HelpContextFor(const QString& activeForm, int previous) {
    if (activeForm == QLatin1String(form::kMain)) return 0;
    for (std::size_t i = 0; i < form::kSteps.size(); ++i)
        if (activeForm == QLatin1String(form::kSteps[i])) return static_cast<int>(i) + 1;
    return previous;
}

void HelpViewer::show(int context) {
    if (!browser_) {
        auto* window = new QDialog(&parent_, Qt::Window);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION - Help"));
        window->resize(720, 640);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        // Back and Forward retrace the links followed and the screens the
        // help was asked from, as in a web browser, with its keys.
        auto* bar = new QHBoxLayout;
        bar->setContentsMargins(4, 2, 4, 2);
        back_ = HistoryButton(window, "Back", QStringLiteral("Back"), QStyle::SP_ArrowBack, kBackKey);
        forward_ =
            HistoryButton(window, "Forward", QStringLiteral("Forward"), QStyle::SP_ArrowForward, kForwardKey);
        bar->addWidget(back_);
        bar->addWidget(forward_);
        bar->addStretch(1);
        layout->addLayout(bar);
        browser_ = new QTextBrowser(window);
        browser_->setOpenExternalLinks(false);
        layout->addWidget(browser_);
        QObject::connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
        QObject::connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
        // The keys act at once, wherever the focus is in the window.
        QObject::connect(new QShortcut(kBackKey, window), &QShortcut::activated, browser_,
                         &QTextBrowser::backward);
        QObject::connect(new QShortcut(kForwardKey, window), &QShortcut::activated, browser_,
                         &QTextBrowser::forward);
        QObject::connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
        QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    }
    // Through the source, so that the section asked for is a place in the
    // history to come back to.
    QUrl section = QUrl::fromLocalFile(AssetPath(QStringLiteral("help.html")));
    section.setFragment(QStringLiteral("context%1").arg(context));
    if (browser_->source() != section) browser_->setSource(section);
    browser_->scrollToAnchor(section.fragment());
    QWidget* window = browser_->window();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace belt
