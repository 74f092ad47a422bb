#include "base/failure.h"

namespace base {

RuntimeFailure::RuntimeFailure(int number, std::string description)
    : std::runtime_error("Error " + std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

std::string RuntimeFailure::Message() const {
    return "Error " + std::to_string(number_) + "\r\n" + description_;
}

RuntimeFailure Overflow() { return {kOverflow, "Переполнение"}; }
RuntimeFailure SubscriptOutOfRange() {
    return {kSubscriptOutOfRange, "Индекс вне допустимого диапазона"};
}
RuntimeFailure TypeMismatch() { return {kTypeMismatch, "Несоответствие типов"}; }

}  // namespace base
