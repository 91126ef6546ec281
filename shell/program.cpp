#include "program.h"

#include "simulators.h"

namespace shell {

namespace {

std::vector<std::unique_ptr<rt::FormInstanceBase>> instances(rt::Runtime& runtime)
{
    std::vector<std::unique_ptr<rt::FormInstanceBase>> made;
    for (const Simulator& s : simulators()) made.push_back(s.makeInstance(runtime));
    return made;
}

MenuLinks links(const std::vector<std::unique_ptr<rt::FormInstanceBase>>& simulators)
{
    MenuLinks links;
    for (const auto& s : simulators) links.simulators.push_back(s.get());
    return links;
}

}  // namespace

// Shown at every start, for a pupil or a teacher who never read about F1.
constexpr const char* kHelpHint = "Premeu F1 per obrir l'ajuda i veure les tecles";

Program::Program(rt::Runtime::Options options)
    : runtime_(options), simulators_(instances(runtime_)), menu(runtime_, links(simulators_))
{
    runtime_.setHelp([this](const QString& target) { showHelp(target); });
    runtime_.setOnRecolour([this] {
        if (help_ != nullptr) help_->recolour();
    });
}

Program::~Program() = default;

void Program::start()
{
    runtime_.start(menu);
    if (menu.window() != nullptr) menu.window()->tell(QString::fromUtf8(kHelpHint));
}

void Program::showHelp(const QString& target)
{
    if (help_ == nullptr) help_ = std::make_unique<help::HelpWindow>(runtime_);
    help_->open(target);
}

}  // namespace shell
