#pragma once
// The user's own note on a saved listing (My List cards). It opens with the
// stored note, and stores the text only when "Save note" is pressed; then
// "Saved on this computer." shows until the text changes again. A failed
// save keeps the text in the editor and says so in one sentence.
//
// The text box takes plain text only (pasted rich text loses its markup),
// grows from 60 to 120 points with its text and then scrolls. The note is
// stored exactly as typed: no trimming, no limit; a stored note that is
// saved again unchanged is written back byte for byte.
//
// The stored note is read once, when the editor is made: a later change of
// the store does not replace a draft being typed.

#include <QWidget>

class FavoritesStore;
class QLabel;
class QTextEdit;
class TLButton;

class NoteEditor final : public QWidget
{
    Q_OBJECT
public:
    NoteEditor(const QString &uid, FavoritesStore &store, QWidget *parent = nullptr);

    QString uid() const { return m_uid; }
    // The text in the editor, as it will be stored.
    QString text() const;
    void setText(const QString &text);
    // Stores the text (what "Save note" does); true when the store took it.
    bool save();
    bool savedShown() const;
    // The sentence beside "Save note" when the store did not take the note.
    static QString failedText();

    QTextEdit *textEdit() const { return m_edit; }
    TLButton *saveButton() const { return m_save; }
    QLabel *savedLabel() const { return m_saved; }
    QLabel *failedLabel() const { return m_failed; }

    // The box's height limits, in pixels at the zoom of the build.
    int minimumBoxHeight() const { return m_minH; }
    int maximumBoxHeight() const { return m_maxH; }

private:
    void fitHeight();
    void edited();

    QString m_uid;
    FavoritesStore &m_store;
    QString m_loaded;      // the note as stored, until the user edits
    bool m_edited = false;
    bool m_loading = false;
    QTextEdit *m_edit;
    QWidget *m_box;
    TLButton *m_save;
    QLabel *m_saved;
    QLabel *m_failed;
    int m_minH;
    int m_maxH;
};
