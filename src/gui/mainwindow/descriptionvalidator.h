#pragma once

#include <QValidator>
#include <functional>

namespace solvane {

// Lets into the description box only what a profile file keeps unchanged: at most
// MaxDescriptionLength printable ISO-8859-1 characters, no double quote. A refused key or paste
// changes nothing and calls refused, which tells the user why.
class DescriptionValidator : public QValidator {
    Q_OBJECT
public:
    DescriptionValidator(std::function<void()> refused, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    std::function<void()> refused_;
};

}  // namespace solvane
