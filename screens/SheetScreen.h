#pragma once
// My Resources Sheet: a live preview of the sheet for the chosen state and
// My List, with buttons to print it or save it as a PDF, a web page or a
// text file, and one line that says how the last save went. The preview is
// built afresh when the state or My List changes; the line stays.

#include "look/kit/MBDeferredCall.h"
#include "screens/ResourceSheet.h"
#include "screens/SaveFile.h"

#include <QWidget>

class AppModel;
class QLabel;
class QVBoxLayout;

class SheetScreen : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { pdf, html, text };

    explicit SheetScreen(AppModel &model, QWidget *parent = nullptr);

    // The kind's file format, as every save shows and names it.
    static const SaveFile::Format &format(Kind kind);
    // "My Resources - Colorado.pdf", or "My Resources.pdf" with no state.
    static QString suggestedName(const ResourceSheet &sheet, Kind kind);

    // The result line of the last save ("" until one was confirmed).
    QString message() const { return m_message; }

    // Asks for a file and writes the sheet there, then shows it in the file
    // manager; the outcome goes to the message line.
    void save(const ResourceSheet &sheet, Kind kind);

    // Builds the buttons, message line and preview now (tests; normally deferred).
    void rebuildNow();

private:
    QWidget *buildBody();
    QWidget *buttonRow(const ResourceSheet &sheet);
    static QWidget *preview(const ResourceSheet &sheet);

    AppModel &m_model;
    QString m_message;
    QVBoxLayout *m_bodyLayout;
    QWidget *m_body = nullptr;
    double m_zoom;
    MBDeferredCall m_rebuild;
};
