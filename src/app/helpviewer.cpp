#include "app/helpviewer.h"

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/assets.h"
#include "project/formnames.h"

namespace belt {

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
        browser_ = new QTextBrowser(window);
        browser_->setOpenExternalLinks(false);
        layout->addWidget(browser_);
        browser_->setSource(QUrl::fromLocalFile(AssetPath(QStringLiteral("help.html"))));
    }
    browser_->scrollToAnchor(QStringLiteral("context%1").arg(context));
    QWidget* window = browser_->window();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace belt
