#include "mainwindow/descriptionvalidator.h"

#include "files/description.h"

namespace solvane {

DescriptionValidator::DescriptionValidator(std::function<void()> refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused))
{}

QValidator::State DescriptionValidator::validate(QString& input, int& /*pos*/) const
{
    if (descriptionFaults(input.toStdU32String()).empty()) return Acceptable;
    if (refused_) refused_();
    return Invalid;
}

}  // namespace solvane
