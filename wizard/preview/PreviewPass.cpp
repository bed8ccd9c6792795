#include "wizard/preview/PreviewPass.h"

#include <QMetaObject>
#include <exception>

namespace wizard {

PreviewPass::PreviewPass(QObject* parent) : QObject(parent) {}

PreviewPass::~PreviewPass()
{
    stop();
    join();
}

template <typename Emit>
void PreviewPass::post(int pass, Emit emitIt)
{
    QMetaObject::invokeMethod(
        this,
        [this, pass, emitIt = std::move(emitIt)] {
            if (pass == pass_)
                emitIt();
        },
        Qt::QueuedConnection);
}

void PreviewPass::start(const preview::PreviewReport& report, const QString& directory, int keptPages)
{
    stop();
    join();
    const int pass = ++pass_;
    stop_ = std::make_unique<std::atomic<bool>>(false);
    running_ = true;
    thread_ = std::thread([this, pass, report, directory, keptPages, stop = stop_.get()] {
        preview::PreviewOptions options;
        options.stop = stop;
        options.page = [&](const preview::Page& page) {
            if (page.number <= keptPages)
                post(pass, [this, page] { emit pageMade(page); });
            return !stop->load();
        };
        options.progress = [&](const preview::Progress& progress) {
            post(pass, [this, progress] { emit progressed(progress); });
            return !stop->load();
        };
        try {
            const preview::PreviewResult result = preview::MakePreview(report, directory, options);
            post(pass, [this, result] {
                running_ = false;
                emit finished(result);
            });
        } catch (const std::exception& failure) {
            const QString message = QString::fromUtf8(failure.what());
            post(pass, [this, message] {
                running_ = false;
                emit failed(message);
            });
        }
    });
}

void PreviewPass::stop()
{
    if (stop_)
        stop_->store(true);
}

void PreviewPass::join()
{
    if (thread_.joinable())
        thread_.join();
    running_ = false;
}

} // namespace wizard
