#pragma once

#include <QString>

namespace platform {

/// A point in time as the class library keeps it: days since 1899-12-30, the fraction is the time of day.
using TDateTime = double;

/// The process's surroundings that tests replace: the clock and the current directory.
class Environment {
public:
    virtual ~Environment() = default;
    virtual TDateTime now() const;
    virtual QString currentDirectory() const;
};

/// The environment in force (the system's unless a test installed another).
Environment& environment();

/// Installs env (not owned); nullptr restores the system's.
void setEnvironment(Environment* env);

/// Local time now, through the environment.
inline TDateTime Now() { return environment().now(); }

} // namespace platform
