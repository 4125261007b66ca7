#include "help/TQexHelp.h"

#include "help/HelpContext.h"
#include "help/THelpTexts.h"
#include "help/TQexHelpPopup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <QToolButton>
#include <QWhatsThis>

namespace cw::ui {

namespace {

constexpr const char *ComponentName = "QexHelp1";

// Watches the program's events: gives windows with a help table their
// component when they are first shown, answers what's-this clicks with the
// popup, and adds "What's this?" to the context menus of controls with help.
class TQexHelpWatch final : public QObject
{
public:
    static void Start()
    {
        static TQexHelpWatch *watch = nullptr;
        if (!watch) {
            watch = new TQexHelpWatch(qApp);
            qApp->installEventFilter(watch);
        }
    }

protected:
    explicit TQexHelpWatch(QObject *parent) : QObject(parent) {}

    // A what's-this request that ends without a click on a control (Escape,
    // a click outside the program) still ends: the window's help says so.
    void whatsThisMode(QEvent::Type type)
    {
        if (type == QEvent::EnterWhatsThisMode) {
            if (!m_modeOwner)
                m_modeOwner = TQexHelp::Of(QApplication::activeWindow());
        } else if (type == QEvent::LeaveWhatsThisMode) {
            if (TQexHelp *owner = m_modeOwner)
                emit owner->OnHelpDone();
            m_modeOwner = nullptr;
        }
    }

    QPointer<TQexHelp> m_modeOwner;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        // Entering and leaving what's-this mode is told to every top-level window.
        if (event->type() == QEvent::EnterWhatsThisMode || event->type() == QEvent::LeaveWhatsThisMode) {
            whatsThisMode(event->type());
            return false;
        }
        auto *widget = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::Show:
            if (widget->isWindow() && !TQexHelp::Of(widget) && TQexHelp::TableOf(widget))
                TQexHelp::Install(widget);
            return false;
        case QEvent::QueryWhatsThis:
            // Every control of a window with help answers in what's-this mode:
            // the question-mark cursor stays on over the whole window.
            if (TQexHelp::Of(widget)) {
                event->accept();
                return true;
            }
            return false;
        case QEvent::WhatsThis:
            if (TQexHelp *help = TQexHelp::Of(widget)) {
                event->accept();
                m_modeOwner = nullptr; // this click answers the request
                QWhatsThis::leaveWhatsThisMode();
                help->ShowFor(widget);
                return true;
            }
            return false;
        case QEvent::ContextMenu:
            return contextMenu(widget, static_cast<QContextMenuEvent *>(event));
        default:
            return false;
        }
    }

    static bool contextMenu(QWidget *widget, QContextMenuEvent *event)
    {
        QWidget *control = TQexHelp::MenuControl(widget);
        TQexHelp *help = TQexHelp::Of(control);
        if (!control || !help)
            return false;

        std::unique_ptr<QMenu> menu;
        // Edits keep their clipboard commands, with "What's this?" below them.
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            menu.reset(edit->createStandardContextMenu());
        else if (auto *text = qobject_cast<QPlainTextEdit *>(control))
            menu.reset(text->createStandardContextMenu(text->viewport()->mapFrom(widget, event->pos())));
        else if (auto *rich = qobject_cast<QTextEdit *>(control))
            menu.reset(rich->createStandardContextMenu(rich->viewport()->mapFrom(widget, event->pos())));
        if (menu)
            menu->addSeparator();
        else
            menu = std::make_unique<QMenu>();
        menu->setObjectName(QStringLiteral("WhatsThisMenu"));
        QPointer<QWidget> target = control;
        QAction *whatsThis = menu->addAction(QCoreApplication::translate("WhatsThisMenu", "What's this?"));
        QObject::connect(whatsThis, &QAction::triggered, help, [help, target] {
            if (target)
                help->ShowFor(target);
        });
        menu->exec(event->globalPos());
        event->accept();
        return true;
    }
};

} // namespace

TQexHelp::TQexHelp(QWidget *form) : QObject(form), m_form(form)
{
    setObjectName(QString::fromLatin1(ComponentName));
    Font = QFont(QStringLiteral("MS Sans Serif"));
    Font.setPixelSize(11);
    loadTable();
}

TQexHelp::~TQexHelp()
{
    delete m_popup;
}

void TQexHelp::loadTable()
{
    if (!m_form)
        return;
    const THelpTextTable *table = TableOf(m_form);
    if (!table)
        return;
    // A window's own rows come before the shared button rows: the first
    // entry of a name wins.
    for (const THelpTextRow &row : table->Rows) {
        const QString name = QString::fromLatin1(row.Name);
        if (HelpText.contains(name))
            continue;
        const quint32 context =
            row.Context == THelpTexts::NoContext ? 0 : (row.Context == 0 ? table->Context : row.Context);
        // Redirections ("->Name") are kept as they are; texts are shown in
        // the user's language.
        const bool redirect = qstrncmp(row.Text, "->", 2) == 0;
        SetEntry(name,
                 redirect ? QString::fromUtf8(row.Text) : QCoreApplication::translate("THelpTexts", row.Text),
                 context);
    }
}

TQexHelp *TQexHelp::Install(QWidget *window)
{
    TQexHelpWatch::Start();
    if (!window)
        return nullptr;
    window = window->window();
    if (TQexHelp *existing = Of(window))
        return existing;
    auto *help = new TQexHelp(window);
    // The question-mark button of the window enters what's-this mode.
    if (auto *button = window->findChild<QAbstractButton *>(QStringLiteral("MouseHelpButton")))
        QObject::connect(button, &QAbstractButton::clicked, help, &TQexHelp::EnterWhatsThisMode);
    return help;
}

TQexHelp *TQexHelp::Of(const QWidget *control)
{
    if (!control)
        return nullptr;
    const QWidget *window = control->window();
    // A popup or menu shown for a window belongs to that window's help.
    if (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window->findChild<TQexHelp *>(QString::fromLatin1(ComponentName), Qt::FindDirectChildrenOnly);
}

QWidget *TQexHelp::MenuControl(QWidget *widget)
{
    // A control that handles right-clicks itself (the design surface and its
    // selection frame show the object and card menus) gets no second menu.
    if (widget && widget->contextMenuPolicy() == Qt::PreventContextMenu)
        return nullptr;
    // Qt's inner parts (a spin box's edit, a list's viewport) stand for their control.
    QWidget *control = widget;
    while (control && !control->isWindow() && control->objectName().startsWith(QLatin1String("qt_")))
        control = control->parentWidget();
    TQexHelp *help = Of(control);
    if (!control || !help || control->isWindow())
        return nullptr;
    // The question-mark button and the Quick Tips button carry no menu: the
    // one is what's-this help itself, the other opens the assistant.
    const QString name = ControlName(control);
    if (name == QLatin1String("MouseHelpButton") || name == QLatin1String("AssistButton"))
        return nullptr;
    if (!help->Lookup(name) && control->whatsThis().isEmpty())
        return nullptr;
    return control;
}

QString TQexHelp::ControlName(const QWidget *control)
{
    if (!control)
        return QString();
    if (!control->objectName().isEmpty())
        return control->objectName();
    if (auto *button = qobject_cast<const QToolButton *>(control)) {
        if (button->defaultAction())
            return button->defaultAction()->objectName();
    }
    return QString();
}

const THelpTextTable *TQexHelp::TableOf(const QWidget *window)
{
    if (!window)
        return nullptr;
    if (const THelpTextTable *table = THelpTexts::For(WindowClass(window)))
        return table;
    // A window known only by its object name ("EditCardLayout").
    const QString name = window->objectName();
    if (name.isEmpty())
        return nullptr;
    if (const THelpTextTable *table = THelpTexts::For(name))
        return table;
    return THelpTexts::For(QLatin1Char('T') + name);
}

QString TQexHelp::WindowClass(const QWidget *window)
{
    QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

void TQexHelp::SetEntry(const QString &name, const QString &text, quint32 helpContext)
{
    HelpText.insert(name, {text, helpContext});
}

std::optional<THelpEntry> TQexHelp::Lookup(const QString &name) const
{
    QString current = name;
    QSet<QString> seen;
    while (!current.isEmpty() && !seen.contains(current)) {
        seen.insert(current);
        const auto it = HelpText.constFind(current);
        if (it == HelpText.constEnd())
            return std::nullopt;
        if (it->Text.startsWith(QLatin1String("->"))) {
            current = it->Text.mid(2).trimmed();
            continue;
        }
        if (it->Text.isEmpty())
            return std::nullopt;
        return *it;
    }
    return std::nullopt;
}

std::optional<TQexHelp::Found> TQexHelp::Resolve(QWidget *control) const
{
    for (QWidget *w = control; w; w = w->parentWidget()) {
        if (const std::optional<THelpEntry> entry = Lookup(ControlName(w)))
            return Found{w, *entry};
        if (!w->whatsThis().isEmpty())
            return Found{w, {w->whatsThis(), 0}};
        if (w == m_form || w->isWindow())
            break;
    }
    return std::nullopt;
}

QFont TQexHelp::PopupFont() const
{
    return (ParentFont && m_form) ? m_form->font() : Font;
}

bool TQexHelp::ShowFor(QWidget *control)
{
    const std::optional<Found> found = Resolve(control);
    if (!found) {
        emit OnHelpDone();
        return false;
    }
    if (!m_popup) {
        m_popup = new TQexHelpPopup(m_form);
        connect(m_popup, &TQexHelpPopup::Closed, this, &TQexHelp::OnHelpDone);
        connect(m_popup, &TQexHelpPopup::LinkActivated, this,
                [](quint32 context) { showHelpContext(int(context)); });
    }
    m_popup->Setup(found->Entry.Text, found->Entry.HelpContext, PopupFont(), Color, MaxWidth, MoreText);
    const QRect rect(found->Control->mapToGlobal(QPoint(0, 0)), found->Control->size());
    m_popup->ShowFor(rect);
    return true;
}

void TQexHelp::EnterWhatsThisMode()
{
    QWhatsThis::enterWhatsThisMode();
}

} // namespace cw::ui
