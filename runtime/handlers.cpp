#include "handlers.h"

#include <stdexcept>

namespace rt {

namespace {

Handlers* installed = nullptr;

}  // namespace

Handlers& Handlers::instance()
{
    if (installed == nullptr) throw std::logic_error("no runtime runs the handlers");
    return *installed;
}

Handlers::Handlers()
{
    installed = this;
}

Handlers::~Handlers()
{
    if (installed == this) installed = nullptr;
}

}  // namespace rt
