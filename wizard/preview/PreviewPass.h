#pragma once

#include "preview/Preview.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace wizard {

// The preview's pass over the alias's tables on a worker thread, one at a time:
// a new pass stops the one before, and what a stopped pass still sends is
// dropped. Pages after the first keptPages are counted, not sent, so the
// window's memory stays bounded on a table of millions.
class PreviewPass : public QObject {
    Q_OBJECT
public:
    explicit PreviewPass(QObject* parent = nullptr);
    ~PreviewPass() override;

    void start(const preview::PreviewReport& report, const QString& directory, int keptPages);
    // Ends the pass at its next block; it then reports finished with an incomplete result.
    void stop();
    bool running() const { return running_; }

signals:
    void pageMade(const preview::Page& page);
    void progressed(const preview::Progress& progress);
    void finished(const preview::PreviewResult& result);
    void failed(const QString& message);

private:
    void join();
    // Runs on the GUI thread the signal that the pass of that number sent, unless another pass began since.
    template <typename Emit>
    void post(int pass, Emit emitIt);

    std::thread thread_;
    std::unique_ptr<std::atomic<bool>> stop_;
    int pass_ = 0;
    bool running_ = false;
};

} // namespace wizard
