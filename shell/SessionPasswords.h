#pragma once

namespace store {
class Session;
}

// Registers the host's two table passwords with the database session before
// any table opens, as the contact manager's own programs do.
void RegisterSessionPasswords(store::Session& session);
