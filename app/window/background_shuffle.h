#pragma once

#include "app/text/article_shuffle.h"
#include "app/text/delimiter_list.h"
#include "app/text/sentence_shuffle.h"
#include "base/random_generator.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

// Runs the shuffle command's text work on a thread of its own, so that the
// window stays responsive over a long article. The work draws from a copy of
// the generator it is given; that copy, advanced by exactly the shuffle's
// draws, comes back with the result, so the result and the generator's state
// after it are those of the same shuffle run directly.
class BackgroundShuffle : public QObject {
    Q_OBJECT

public:
    // What a finished shuffle leaves.
    struct Outcome {
        // With LF line breaks from the piece shuffle, with the article's own
        // from the whole-sentence shuffle; empty when there is nothing to show.
        QString result;
        DelimiterList delimiters;
        RandomGenerator generator;
        // Set when the shuffle failed; the rest is then empty.
        std::optional<QString> error;
    };

    // Progress shows only when a shuffle lasts longer than this.
    static constexpr int kQuietMilliseconds = 200;

    explicit BackgroundShuffle(QObject* parent = nullptr);
    // Abandons a running shuffle.
    ~BackgroundShuffle() override;

    // Starts a shuffle in the given mode; one that is still running is
    // abandoned first.
    void Start(QString article, ShuffleOptions options, ShuffleMode mode, RandomGenerator generator);
    // Stops the running shuffle without a result, waiting at most for its
    // current step (a percent of the work).
    void Abandon();
    bool Running() const { return m_state != nullptr; }

    // The outcome of the shuffle that Finished announced.
    Outcome TakeOutcome() { return std::move(m_outcome); }

signals:
    // The shuffle's share of work done, 0 to 100: a few times a second once
    // it has run for kQuietMilliseconds, and 0 when it ends either way.
    void Progress(int percent);
    // The shuffle has ended; TakeOutcome() has its result.
    void Finished();

private:
    // What the worker thread and this object share.
    struct SharedState {
        std::atomic<int> percent { 0 };
        std::atomic<bool> abandoned { false };
    };

    void Deliver(const std::shared_ptr<SharedState>& state, Outcome outcome);
    void Stop();
    void ShowProgress();

    std::shared_ptr<SharedState> m_state;
    std::thread m_worker;
    Outcome m_outcome;
    QTimer m_progressTimer;
    QElapsedTimer m_sinceStart;
};
