#include "app/menubar.h"

#include <QHash>
#include <QMenuBar>
#include <QShortcutEvent>

#include "project/driveproject.h"
#include "units/units.h"

namespace belt {

namespace {

// Qt's bar hands Alt and a letter to the first item of that letter, hidden
// or not: "Go &On" and "&Print" stand twice in it, one copy hidden, and
// their letters went to the hidden copy. The letter belongs to the item shown.
class BarLetters : public QObject {
public:
    explicit BarLetters(QMenuBar& bar) : QObject(&bar), bar_(bar) { bar.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &bar_ && event->type() == QEvent::Shortcut) {
            press(static_cast<QShortcutEvent*>(event)->key());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void press(const QKeySequence& letter) {
        if (!bar_.isEnabled()) return;
        for (QAction* a : bar_.actions()) {
            if (!a->isVisible() || !a->isEnabled() || QKeySequence::mnemonic(a->text()) != letter) continue;
            if (a->menu())
                bar_.setActiveAction(a);  // the menu opens and takes the keys: a letter or the arrows
            else
                a->trigger();
            return;
        }
    }

    QMenuBar& bar_;
};

// The keys of a standard command; where the platform's scheme names none
// (Save As on some desktops), the one most desktops use.
QList<QKeySequence> KeysOf(QKeySequence::StandardKey key) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && key == QKeySequence::SaveAs) keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    return keys;
}

QMenu* NewMenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void FillUnitMenu(QMenu& unit, MenuActions& m, MenuCommands& commands, QObject& context) {
    for (const UnitMenu& g : UnitMenuTable()) {
        QMenu* menu = NewMenu(&unit, g.name, g.caption);
        int u = 1;
        for (const char* caption : g.captions) {
            QAction* a = menu->addAction(QString::fromUtf8(caption));
            a->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(g.items)).arg(u));
            a->setCheckable(true);
            const int q = g.quantity;
            QObject::connect(a, &QAction::triggered, &context, [&commands, q, u] { commands.unitClick(q, u); });
            m.unitItems[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)] = a;
            ++u;
        }
        unit.addMenu(menu);
    }
}

}  // namespace

MenuActions BuildMenuBar(QMenuBar& bar, MenuCommands& commands) {
    MenuActions m;
    // The menus by name, for the items that follow them in the table.
    QHash<QString, QMenu*> menus;
    for (const MenuItem& item : MenuTable()) {
        const QString name = QString::fromLatin1(item.name);
        QMenu* in = item.menu ? menus.value(QString::fromLatin1(item.menu)) : nullptr;
        QAction* a = nullptr;
        if (QString::fromLatin1(item.caption) == QLatin1String("-")) {
            a = in->addSeparator();
            a->setObjectName(name);
        } else if (item.command) {
            a = in ? in->addAction(QString::fromUtf8(item.caption)) : bar.addAction(QString::fromUtf8(item.caption));
            a->setObjectName(name);
            const auto command = item.command;
            QObject::connect(a, &QAction::triggered, &bar, [&commands, command] { (commands.*command)(); });
        } else {
            QMenu* menu = NewMenu(in ? static_cast<QWidget*>(in) : &bar, item.name, item.caption);
            menus.insert(name, menu);
            a = in ? in->addMenu(menu) : bar.addMenu(menu);
            if (item.action == &MenuActions::mUnit) FillUnitMenu(*menu, m, commands, bar);
        }
        if (item.key != QKeySequence::UnknownKey) a->setShortcuts(KeysOf(item.key));
        if (item.action) m.*item.action = a;
    }
    // The design: everything but File, Demo, Loop Demo and "?" is hidden.
    ShowCoverMenus(m);
    new BarLetters(bar);
    return m;
}

void ShowUnitChecks(const MenuActions& m, const DriveProject& p) {
    for (int q = 0; q < 8; ++q)
        for (int u = 1; u <= kUnitCount[q]; ++u)
            if (QAction* a = m.unitItems[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)])
                a->setChecked(u == CurrentUnit(p, q));
}

}  // namespace belt
