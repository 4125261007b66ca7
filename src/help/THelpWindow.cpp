#include "help/THelpWindow.h"

#include "widgets/Interaction.h"
#include "widgets/ToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace cw::ui {

namespace {
QPointer<THelpWindow> &theWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

QString pageOf(const QUrl &url)
{
    return url.fileName();
}
} // namespace

THelpWindow::THelpWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(std::make_unique<model::THelpBook>(folder))
{
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(tr("Cardwright Help"));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    m_back->setObjectName(QStringLiteral("BackAction"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    m_forward->setObjectName(QStringLiteral("ForwardAction"));
    m_forward->setShortcut(QKeySequence::Forward);
    QAction *home = bar->addAction(toolIcon(ToolGlyph::Help), tr("&Contents"));
    home->setObjectName(QStringLiteral("ContentsAction"));
    column->addWidget(bar);

    auto *splitter = new QSplitter(this);
    auto *side = new QWidget(splitter);
    auto *sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(4, 4, 0, 4);
    auto *searchRow = new QHBoxLayout;
    m_search = new QLineEdit(side);
    m_search->setObjectName(QStringLiteral("SearchBox"));
    m_search->setPlaceholderText(tr("Search the help"));
    m_search->setClearButtonEnabled(true);
    auto *go = new QPushButton(tr("&Search"), side);
    go->setObjectName(QStringLiteral("SearchButton"));
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(go);
    sideColumn->addLayout(searchRow);
    m_results = new QListWidget(side);
    m_results->setObjectName(QStringLiteral("SearchResults"));
    m_results->hide();
    sideColumn->addWidget(m_results, 1);
    m_contents = new QTreeWidget(side);
    m_contents->setObjectName(QStringLiteral("ContentsTree"));
    m_contents->setHeaderHidden(true);
    sideColumn->addWidget(m_contents, 2);

    m_browser = new QTextBrowser(splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({m_book->Folder()});
    m_browser->setOpenLinks(false); // links are followed by open(): pages here, web addresses outside
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});
    column->addWidget(splitter, 1);

    buildContents();

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(home, &QAction::triggered, this, &THelpWindow::ShowContents);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &THelpWindow::open);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &THelpWindow::sourceChanged);
    connect(go, &QPushButton::clicked, this, [this] { Search(m_search->text()); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { Search(m_search->text()); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.trimmed().isEmpty())
            m_results->hide();
    });
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { open(item->data(0, Qt::UserRole).toUrl()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { open(item->data(0, Qt::UserRole).toUrl()); });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { open(item->data(Qt::UserRole).toUrl()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { open(item->data(Qt::UserRole).toUrl()); });

    resize(800, 560);
}

THelpWindow::~THelpWindow() = default;

THelpWindow *THelpWindow::existing()
{
    return theWindow();
}

THelpWindow *THelpWindow::instance()
{
    if (!theWindow()) {
        auto *window = new THelpWindow(model::THelpBook::DefaultFolder(), Interaction::mainWindow());
        if (!window->parent())
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
        theWindow() = window;
    }
    return theWindow();
}

void THelpWindow::buildContents()
{
    m_contents->clear();
    QList<QTreeWidgetItem *> parents;
    for (const model::THelpBook::ContentsEntry &entry : m_book->Contents()) {
        const int level = std::min<int>(entry.Level, int(parents.size()));
        parents.resize(level);
        auto *item =
            parents.isEmpty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.Title);
        const qsizetype hash = entry.Target.indexOf(QLatin1Char('#'));
        QUrl url =
            QUrl::fromLocalFile(m_book->Folder() + (hash < 0 ? entry.Target : entry.Target.left(hash)));
        if (hash >= 0)
            url.setFragment(entry.Target.mid(hash + 1));
        item->setData(0, Qt::UserRole, url);
        parents.append(item);
    }
    m_contents->expandAll();
}

void THelpWindow::open(const QUrl &url)
{
    if (!url.isValid())
        return;
    if (!url.isLocalFile() && !url.isRelative()) {
        QDesktopServices::openUrl(url); // a web address: the desktop's browser
        return;
    }
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        m_browser->scrollToAnchor(url.fragment());
        return;
    }
    m_browser->setSource(url);
}

void THelpWindow::sourceChanged(const QUrl &url)
{
    setWindowTitle(m_browser->documentTitle().isEmpty()
                       ? tr("Cardwright Help")
                       : tr("Cardwright Help - ") + m_browser->documentTitle());
    // Keep the contents tree in step with the page shown.
    const QString page = pageOf(url);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QUrl target = (*it)->data(0, Qt::UserRole).toUrl();
        if (pageOf(target) == page && (target.fragment().isEmpty() || target.fragment() == url.fragment())) {
            const QSignalBlocker block(m_contents);
            m_contents->setCurrentItem(*it);
            break;
        }
    }
}

void THelpWindow::moveUnder(QWidget *owner)
{
    if (owner == this || parentWidget() == owner)
        return;
    const QRect place = geometry();
    const bool shown = isVisible();
    setParent(owner, windowFlags());
    setGeometry(place);
    if (shown)
        show();
}

void THelpWindow::returnToMainWindow()
{
    moveUnder(Interaction::mainWindow());
}

QPoint THelpWindow::PlaceBeside(const QRect &dialog, const QSize &size, const QRect &screen)
{
    const int roomRight = screen.right() - dialog.right();
    const int roomLeft = dialog.left() - screen.left();
    int left;
    if (size.width() <= roomRight)
        left = dialog.right() + 1;
    else if (size.width() <= roomLeft)
        left = dialog.left() - size.width();
    else if (roomRight >= roomLeft)
        left = screen.right() + 1 - size.width();
    else
        left = screen.left();
    // Right and bottom edges first, then left and top, so a window larger than
    // the screen keeps its title bar and its left edge on it.
    left = std::max(std::min(left, screen.right() + 1 - size.width()), screen.left());
    int top = std::min(dialog.top(), screen.bottom() + 1 - size.height());
    top = std::max(top, screen.top());
    return {left, top};
}

void THelpWindow::placeBeside(const QWidget *dialog)
{
    const QScreen *screen = dialog->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // The frame around the window (title bar, borders), known once it has
    // been shown; the window shrinks to fit a small screen.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize fitted = size().boundedTo(free.size() - frame);
    if (fitted != size())
        resize(fitted);
    move(PlaceBeside(dialog->frameGeometry(), fitted + frame, free));
}

void THelpWindow::bringToFront()
{
    // A dialog's Help button opens the book while the dialog is modal: the
    // window then belongs to that dialog, so it is not blocked by it, and
    // returns to the main window when the dialog closes.
    if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        modal && !isAncestorOf(modal)) {
        // It appears beside the dialog the first time that dialog asks;
        // where the user then moves it, it stays.
        if (parentWidget() != modal) {
            moveUnder(modal);
            placeBeside(modal);
        }
        connect(modal, &QDialog::finished, this, &THelpWindow::returnToMainWindow, Qt::UniqueConnection);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool THelpWindow::ShowContext(int context)
{
    const std::optional<QUrl> url = m_book->ContextUrl(context);
    if (!url) {
        ShowContents();
        return false;
    }
    open(*url);
    bringToFront();
    return true;
}

void THelpWindow::ShowContents()
{
    open(m_book->ContentsUrl());
    bringToFront();
}

void THelpWindow::Search(const QString &query)
{
    m_results->clear();
    if (query.trimmed().isEmpty()) {
        m_results->hide();
        return;
    }
    const QList<model::THelpBook::SearchHit> hits = m_book->Search(query);
    for (const model::THelpBook::SearchHit &hit : hits) {
        auto *item = new QListWidgetItem(hit.Title, m_results);
        item->setData(Qt::UserRole, QUrl::fromLocalFile(m_book->Folder() + hit.File));
    }
    if (hits.isEmpty())
        new QListWidgetItem(tr("No pages found."), m_results);
    m_results->show();
}

} // namespace cw::ui
