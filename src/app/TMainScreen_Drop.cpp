// What other programs drop on the main window: picture files become clip art,
// a card file is opened, text becomes a text label.  Everything dropped is
// placed where it is dropped, in card pixels at the current zoom, and added
// the way the drawing tools add objects: selected, marked as a change and
// recorded for undo as one step.

#include "app/TMainScreen.h"

#include "app/model/Exception.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"
#include "design/model/TPictureFormats.h"
#include "print/engine/Units.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace cw::ui {

namespace {

// Several pictures dropped at once are placed this far apart (card pixels at
// 100 %, right and down), so that none hides another exactly.
constexpr int kDropStep = 10;

bool isCardFile(const QString &path)
{
    return path.toUpper().endsWith(QStringLiteral(".CWR"));
}

// What a drop holds, sorted by what the window does with it.
struct TDropContent
{
    QString cardFile;     // the first card file; it is opened and nothing else is done
    QStringList pictures; // files named as pictures, in the order dropped
    QString text;         // text that is not a list of files
    bool hasLocalFiles = false;
};

TDropContent dropContent(const QMimeData *data)
{
    TDropContent content;
    if (!data)
        return content;
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls()) {
            if (!url.isLocalFile())
                continue;
            content.hasLocalFiles = true;
            const QString path = url.toLocalFile();
            if (QFileInfo(path).isDir())
                continue;
            if (isCardFile(path)) {
                if (content.cardFile.isEmpty())
                    content.cardFile = path;
            } else if (model::TPictureFormats::IsPictureFile(path)) {
                content.pictures << path;
            }
        }
    }
    // A file manager offers the files' names as text as well: files that are
    // of no use are refused, not turned into a label of their names.  A link
    // from a web page (no local file) is taken as its text.
    if (!content.hasLocalFiles && data->hasText()) {
        QString text = data->text();
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (!text.trimmed().isEmpty())
            content.text = text;
    }
    return content;
}

} // namespace

bool TMainScreen::acceptsDrop(const QMimeData *data) const
{
    // Nothing is taken while the window sets itself up or changes the card.
    if (Busy)
        return false;
    const TDropContent content = dropContent(data);
    return !content.cardFile.isEmpty() || !content.pictures.isEmpty() || !content.text.isEmpty();
}

void TMainScreen::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    // The dropped files and text are copied into the design; the source
    // keeps them.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMainScreen::dragMoveEvent(QDragMoveEvent *event)
{
    if (!acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMainScreen::dropEvent(QDropEvent *event)
{
    if (!acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    const TDropContent content = dropContent(event->mimeData());
    // The drop point on the card, kept on it so that the new object is not
    // taken for a stray one lying off the card.
    const QPoint onSurface = m_panel->mapFrom(this, event->position().toPoint());
    const QPoint at(std::clamp(onSurface.x(), 0, std::max(0, m_panel->width() - 10)),
                    std::clamp(onSurface.y(), 0, std::max(0, m_panel->height() - 10)));
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The work runs after the drop has been answered: the program that
    // started the drag waits for that answer, and opening a card may ask
    // "Save changes?" first.
    QTimer::singleShot(0, this, [this, content, at] {
        if (!content.cardFile.isEmpty())
            OpenFromDesktop(content.cardFile);
        else if (!content.pictures.isEmpty())
            dropPictures(content.pictures, at);
        else
            dropText(content.text, at);
    });
}

void TMainScreen::dropPictures(const QStringList &paths, const QPoint &at)
{
    const float zoom = m_panel->Zoom();
    const QSize card = Preferences.Layout.SurfaceSize(ScreenPixelsPerInch);
    std::vector<model::TGGraphicControl *> placed;
    QStringList unreadable;
    for (const QString &path : paths) {
        model::TGPicture picture;
        try {
            picture.LoadFromFile(path);
        } catch (const Exception &) {
            unreadable << QDir::toNativeSeparators(path);
            continue;
        }
        if (picture.IsEmpty() || picture.Width() <= 0 || picture.Height() <= 0) {
            unreadable << QDir::toNativeSeparators(path);
            continue;
        }
        // The picture's own size (card pixels at 100 %), made smaller with
        // its proportions kept when it is larger than the card.
        QSizeF size(picture.Width(), picture.Height());
        if (size.width() > card.width() || size.height() > card.height())
            size.scale(QSizeF(card), Qt::KeepAspectRatio);
        const QPoint offset = QPoint(kDropStep, kDropStep) * int(placed.size()) * zoom;
        const QRect bounds(at + offset, QSize(std::max(1, int(std::lround(size.width() * zoom))),
                                              std::max(1, int(std::lround(size.height() * zoom)))));
        auto image = std::make_unique<model::TGImage>();
        image->Loaded();
        auto *object = static_cast<model::TGImage *>(m_panel->PlaceNewObject(std::move(image), bounds));
        try {
            // Drawn stretched to the object's rectangle, which the user may
            // resize afterwards.
            object->TakeOverPicture(picture, true, false);
        } catch (const Exception &) {
            m_panel->DeleteObject(object);
            unreadable << QDir::toNativeSeparators(path);
            continue;
        }
        placed.push_back(object);
    }
    if (!placed.empty()) {
        m_panel->SelectObjects(placed);
        DroppedObject(placed.back()->BoundsRect());
    }
    if (!unreadable.isEmpty())
        Interaction::current().error(
            tr("Unable to read these files as pictures; nothing was added for them:\n%1")
                .arg(unreadable.join(QLatin1Char('\n'))),
            tr("Error"));
}

void TMainScreen::dropText(const QString &text, const QPoint &at)
{
    // A click's box at the drop point, grown to the text as the text tools do.
    const QRect bounds(at, QSize(50, 15));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    model::TGGraphicControl *placed = nullptr;
    if (lines.size() > 1) {
        auto label = std::make_unique<model::TGMultiLineLabel>();
        label->Loaded();
        auto *object =
            static_cast<model::TGMultiLineLabel *>(m_panel->PlaceNewObject(std::move(label), bounds));
        object->ApplyFont(m_panel->SurfaceFont());
        object->SetItems(lines);
        object->FitToLines();
        placed = object;
    } else {
        auto label = std::make_unique<model::TGBusinessCardLabel>();
        label->Loaded();
        auto *object =
            static_cast<model::TGBusinessCardLabel *>(m_panel->PlaceNewObject(std::move(label), bounds));
        object->ApplyFont(m_panel->SurfaceFont());
        object->SetCaption(lines.constFirst());
        object->AutoSizeToText();
        placed = object;
    }
    m_panel->SelectObjects({placed});
    DroppedObject(placed->BoundsRect());
}

} // namespace cw::ui
