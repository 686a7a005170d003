#include "app/AppState.h"

#include <utility>

namespace nomvera::app {

AppState::AppState(lookup::ServiceAddresses serviceAddresses) : addresses(std::move(serviceAddresses)) {}

AppState::~AppState() = default;

}  // namespace nomvera::app
