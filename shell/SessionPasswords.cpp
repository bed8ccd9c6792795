#include "shell/SessionPasswords.h"

#include "store/engine/Session.h"

#include <QString>
#include <array>

namespace {

// The host installation's table passwords: six and seven characters, built one
// character at a time so they do not stand in the program as plain strings.
// Our engine reads protected tables without them (the key is in the header);
// they are registered only because the host's session expects them.
constexpr std::array<char, 6> FirstPassword{'t', 'b', 'l', 'n', 'p', '1'};
constexpr std::array<char, 7> SecondPassword{'t', 'b', 'l', 'n', 'l', 'a', 'n'};

template <std::size_t N>
QString Build(const std::array<char, N>& characters)
{
    QString password;
    for (char c : characters)
        password += QChar::fromLatin1(c);
    return password;
}

} // namespace

void RegisterSessionPasswords(store::Session& session)
{
    session.AddPassword(Build(FirstPassword));
    session.AddPassword(Build(SecondPassword));
}
