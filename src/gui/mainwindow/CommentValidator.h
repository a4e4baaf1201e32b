#pragma once

#include <QValidator>
#include <functional>

namespace quorvan {

// Lets into a name or comment field only what the destination's single-byte coding can hold,
// so what is shown is what gets saved.
class CommentValidator : public QValidator {
 public:
  CommentValidator(std::function<char()> destinationLetter, QObject* parent = nullptr);
  State validate(QString& input, int& position) const override;

 private:
  std::function<char()> destinationLetter_;
};

}  // namespace quorvan
