#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quorrin::ui {

// What the user chose when some lines cannot be written in the chosen
// encoding.
enum class UnmappableAnswer { saveWithGeta, saveAsUtf8, cancel };

// The question asked before a listing is saved with characters replaced.
class UnmappableQuestionPort {
public:
    virtual ~UnmappableQuestionPort() = default;

    // `lineCount` lines cannot be written whole in `encodingName`;
    // `firstLines` are the first few of them as the preview shows them.
    virtual UnmappableAnswer ask(QWidget* owner, const QString& encodingName, std::size_t lineCount,
                                 const QStringList& firstLines) = 0;
};

// A modal warning box with three buttons: replace with "〓" and save, save
// as UTF-8 with byte-order mark, cancel (also Escape and the close box).
class QtUnmappableQuestionPort final : public UnmappableQuestionPort {
public:
    UnmappableAnswer ask(QWidget* owner, const QString& encodingName, std::size_t lineCount,
                         const QStringList& firstLines) override;
};

// The question's text, for the box and for the tests that read it.
QString unmappableQuestionText(const QString& encodingName, std::size_t lineCount, const QStringList& firstLines);

} // namespace quorrin::ui
