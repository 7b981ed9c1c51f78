#include "app/window/background_shuffle.h"

#include <exception>
#include <utility>

namespace {

// Thrown from the progress callback to leave an abandoned shuffle.
struct ShuffleAbandoned { };

constexpr int kProgressIntervalMilliseconds = 50;

} // namespace

BackgroundShuffle::BackgroundShuffle(QObject* parent)
    : QObject(parent)
{
    m_progressTimer.setInterval(kProgressIntervalMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &BackgroundShuffle::ShowProgress);
}

BackgroundShuffle::~BackgroundShuffle()
{
    Stop();
}

void BackgroundShuffle::Start(QString article, ShuffleOptions options, ShuffleMode mode, RandomGenerator generator)
{
    Abandon();
    auto state = std::make_shared<SharedState>();
    m_state = state;
    m_sinceStart.start();
    m_progressTimer.start();
    m_worker = std::thread([this, state, article = std::move(article), options = std::move(options), mode,
                               generator = std::move(generator)]() mutable {
        Outcome outcome;
        try {
            outcome.delimiters = ArticleDelimiterList(article);
            auto const progress = [&state](int percent) {
                if (state->abandoned.load(std::memory_order_relaxed))
                    throw ShuffleAbandoned {};
                state->percent.store(percent, std::memory_order_relaxed);
            };
            outcome.result = mode == ShuffleMode::WholeSentences
                ? ShuffleSentencesText(article, options, generator, progress)
                : ShuffleArticleText(article, options, LineBreakStyle::Lf, generator, progress);
            outcome.generator = std::move(generator);
        } catch (const ShuffleAbandoned&) {
            return;
        } catch (const std::exception& error) {
            outcome = Outcome();
            outcome.error = QString::fromUtf8(error.what());
        } catch (...) {
            outcome = Outcome();
            outcome.error = QStringLiteral("Unknown error");
        }
        // Queued to this object's thread; this object joins the worker before
        // it goes, so it is still there.
        QMetaObject::invokeMethod(
            this, [this, state, outcome = std::move(outcome)]() mutable { Deliver(state, std::move(outcome)); },
            Qt::QueuedConnection);
    });
}

void BackgroundShuffle::Abandon()
{
    if (!Running())
        return;
    Stop();
    emit Progress(0);
}

void BackgroundShuffle::Stop()
{
    if (m_state)
        m_state->abandoned = true;
    if (m_worker.joinable())
        m_worker.join();
    m_state.reset();
    m_progressTimer.stop();
}

void BackgroundShuffle::Deliver(const std::shared_ptr<SharedState>& state, Outcome outcome)
{
    // A result of a shuffle abandoned after it had finished comes too late.
    if (state != m_state)
        return;
    Stop();
    m_outcome = std::move(outcome);
    emit Progress(0);
    emit Finished();
}

void BackgroundShuffle::ShowProgress()
{
    if (m_state && m_sinceStart.elapsed() >= kQuietMilliseconds)
        emit Progress(m_state->percent.load(std::memory_order_relaxed));
}
