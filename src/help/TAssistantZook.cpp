#include "help/TAssistantZook.h"

#include "help/TAssistantZookForm.h"

#include <QWidget>

namespace cw::ui {

TAssistantZook::TAssistantZook(QObject *owner)
    : QObject(owner), Topics(ShippedTopics()), Answers(ShippedAnswers())
{
    setObjectName(QStringLiteral("AssistantZook1"));
}

TAssistantZook::~TAssistantZook()
{
    delete m_form.data();
}

TAssistantZook *TAssistantZook::Show(QWidget *mainWindow)
{
    auto *zook = mainWindow ? mainWindow->findChild<TAssistantZook *>(QStringLiteral("AssistantZook1"),
                                                                      Qt::FindDirectChildrenOnly)
                            : nullptr;
    if (!zook)
        zook = new TAssistantZook(mainWindow);
    zook->Execute(mainWindow);
    return zook;
}

void TAssistantZook::Execute(QWidget *owner)
{
    if (!m_form) {
        m_form = new TAssistantZookForm(owner);
        m_form->SetCaption(Caption);
    }
    m_form->SetTopics(Topics, Answers);
    m_form->ShowPage(0);
    m_form->PlaceBeside(owner);
    m_form->show();
    m_form->raise();
}

QStringList TAssistantZook::ShippedTopics()
{
    return {
        tr("How do I create a new business card?"),
        tr("How do I add items to the business card?"),
        tr("How do I select an object on the business card?"),
        tr("How do I change an object's properties?"),
        tr("How do I change the font for an object?"),
        tr("How do I change the color of an object?"),
        tr("How do I move an object?                    "),
        tr("How do I resize an object?                  "),
        tr("How do I zoom the view of the business card?"),
    };
}

QStringList TAssistantZook::ShippedAnswers()
{
    return {
        tr("Choose File, New from the menu. The design area is cleared and you start with a blank "
           "card. When you are ready to keep your design, choose File, Save As and give the card a "
           "file name."),
        tr("Choose a drawing tool on the tool bar at the top of the window: text, multi-line text, symbol, "
           "rectangle, ellipse, round rectangle, line, clip art, SuperShape, rich text, SuperText or circle "
           "text.\n\nMove the mouse to where the object should start on the card, press the left mouse "
           "button, "
           "drag to where it should end and release the button.\n\nThe object is placed and the Pointer "
           "tool is "
           "selected again. Some objects, such as text and clip art, open a dialog at once so that you can "
           "type "
           "the text or choose the picture."),
        tr("Make sure the Pointer tool is selected, then click the object with the LEFT MOUSE "
           "BUTTON. Eight small squares, called handles, appear around it to show that it is "
           "selected.\n\nHold Shift while you click to select several objects, or drag a box around "
           "them on an empty part of the card."),
        tr("Click the object with the RIGHT MOUSE BUTTON. A menu of the object's properties "
           "appears: choose the property you want to change. Text objects offer Text and Font, shapes "
           "offer colours and line thickness, and the special objects offer Properties."),
        tr("Click the object with the RIGHT MOUSE BUTTON and choose FONT from the menu. The font "
           "dialog opens: choose the font, its size and style and click OK.\n\nTo change the font of "
           "several objects at once, select them, click the card with the right mouse button and "
           "choose Font."),
        tr("Click the object with the RIGHT MOUSE BUTTON and choose the colour entry of the menu, "
           "such as Background Color or Line Color. The colour dialog opens: pick a colour and click "
           "OK.\n\nSome objects, such as SuperShape, SuperText and circle text, keep their colours in "
           "their Properties dialog: choose Properties from the menu instead."),
        tr("Select the object, then press the left mouse button on it and drag it to its new place. "
           "Release the button when it is where you want it.\n\nThe arrow keys move a selected object "
           "one pixel at a time."),
        tr("Select the object. Press the left mouse button on one of the handles (the small squares "
           "around it) and drag it until the object has the size you want, then release the "
           "button.\n\nShift with the arrow keys resizes a single selected object one pixel at a "
           "time."),
        tr("Use the plus/minus zoom button at the lower left of the main window; the percentage "
           "display next "
           "to it shows the zoom. You can zoom from 100% to 150% in steps of 10%. The plus and "
           "minus keys of "
           "the numeric keypad do the same; Page Up and Page Down scroll the view.\n\nPrinting "
           "is always at the "
           "card's real size, but you see it best as it will print (WYSIWYG) at 100%."),
    };
}

} // namespace cw::ui
