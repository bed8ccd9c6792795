#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace store {
class Session;
}

// A temporary alias directory for the "OMNIV" alias, optionally filled with the
// demo host tables and sample reports, with a session over its own configuration
// file installed as the program's default session for the fixture's life.
class TempAlias {
public:
    enum class Content { Empty, DemoData };

    explicit TempAlias(Content content = Content::DemoData, int contacts = 40);
    ~TempAlias();

    QString dataDir() const;
    QString configPath() const;
    QString path(const QString& fileName) const; // a file in the alias directory
    store::Session& session() { return *session_; }

    // Rewrites the configuration with another alias text (the [OMNIV] section and its lines).
    void writeConfig(const QString& text);

private:
    QTemporaryDir root_;
    std::unique_ptr<store::Session> session_;
};
