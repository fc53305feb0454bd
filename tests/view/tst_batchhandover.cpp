// The hand-over from a worker thread to the user-interface thread, alone: order, the final
// take-over, a worker waiting for what was applied, and a close in the middle of a run.
#include "support/TestSupport.h"
#include "view/BatchHandOver.h"

#include <QCoreApplication>
#include <atomic>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

// What the owner's side saw: every number in the order it was applied, how many batches carried
// them, and whether and when the run ended.
struct Applied
{
    std::vector<int> numbers;
    int batches = 0;
    int finished = 0;
    size_t numbersAtFinish = 0;
};

using HandOver = BatchHandOver<std::vector<int>, int>;

std::unique_ptr<HandOver> MakeHandOver(Applied& applied, std::chrono::milliseconds interval)
{
    return std::make_unique<HandOver>(
        interval,
        [&applied](std::vector<int>& batch) {
            if (!batch.empty())
                ++applied.batches;
            applied.numbers.insert(applied.numbers.end(), batch.begin(), batch.end());
            return int(applied.numbers.size());
        },
        [&applied] {
            ++applied.finished;
            applied.numbersAtFinish = applied.numbers.size();
        });
}

} // namespace

class TestBatchHandOver : public QObject
{
    Q_OBJECT
public:
    explicit TestBatchHandOver(const TestHome&) {}

private slots:
    void rowsArriveInOrderAndTheLastBatchEndsTheRun()
    {
        Applied applied;
        auto handOver = MakeHandOver(applied, 1ms);
        constexpr int kCount = 20000;
        handOver->Start();
        std::thread worker([&] {
            for (int i = 0; i < kCount; ++i) {
                handOver->Add([i](std::vector<int>& batch) { batch.push_back(i); });
                if (i % 500 == 0)
                    std::this_thread::sleep_for(1ms); // let the owner take several batches
            }
            handOver->Finish();
        });
        QTRY_COMPARE_WITH_TIMEOUT(applied.finished, 1, 20000);
        worker.join();
        QVERIFY(applied.batches > 1);
        // Nothing lost, nothing twice, nothing out of order; the end came after the last row.
        QCOMPARE(applied.numbers.size(), size_t(kCount));
        for (int i = 0; i < kCount; ++i)
            QCOMPARE(applied.numbers[size_t(i)], i);
        QCOMPARE(applied.numbersAtFinish, size_t(kCount));
        QVERIFY(!handOver->Active());
        // The end is told once: more take-overs apply nothing and end nothing.
        handOver->ApplyNow();
        QCoreApplication::processEvents();
        QCOMPARE(applied.finished, 1);
    }

    void aWorkerThatFinishesAtOnceStillHandsOverEverything()
    {
        // The worker adds and finishes before the first take-over: one batch holds it all.
        Applied applied;
        auto handOver = MakeHandOver(applied, 1h);
        handOver->Start();
        std::thread worker([&] {
            for (int i = 0; i < 3; ++i)
                handOver->Add([i](std::vector<int>& batch) { batch.push_back(i); });
            handOver->Finish();
        });
        worker.join();
        QCOMPARE(applied.finished, 0);
        handOver->ApplyNow();
        QCOMPARE(applied.numbers, (std::vector<int>{0, 1, 2}));
        QCOMPARE(applied.batches, 1);
        QCOMPARE(applied.finished, 1);
        QCOMPARE(applied.numbersAtFinish, size_t(3));
        QVERIFY(!handOver->Active());
    }

    void flushWaitsForEverythingAddedBefore()
    {
        Applied applied;
        auto handOver = MakeHandOver(applied, 5ms);
        handOver->Start();
        std::vector<int> replies;
        std::thread worker([&] {
            for (int round = 1; round <= 5; ++round) {
                for (int i = 0; i < 100; ++i)
                    handOver->Add([i](std::vector<int>& batch) { batch.push_back(i); });
                replies.push_back(handOver->Flush());
            }
            handOver->Finish();
        });
        QTRY_COMPARE_WITH_TIMEOUT(applied.finished, 1, 20000);
        worker.join();
        // Each reply counts exactly what the worker had added when it asked.
        QCOMPARE(replies, (std::vector<int>{100, 200, 300, 400, 500}));
    }

    void flushAndFinishAreServedWithoutWaitingForTheTimer()
    {
        // The timer never fires in this test: only the worker's bell can have the owner apply.
        Applied applied;
        auto handOver = MakeHandOver(applied, 1h);
        handOver->Start();
        std::atomic<int> reply{-1};
        std::thread worker([&] {
            handOver->Add([](std::vector<int>& batch) { batch.push_back(1); });
            reply = handOver->Flush();
            handOver->Add([](std::vector<int>& batch) { batch.push_back(2); });
            handOver->Finish();
        });
        QTRY_COMPARE_WITH_TIMEOUT(applied.finished, 1, 20000);
        worker.join();
        QCOMPARE(reply.load(), 1);
        QCOMPARE(applied.numbers, (std::vector<int>{1, 2}));
        QVERIFY(!handOver->Active());
        // A bell rung after the end (a late flush) applies nothing and ends nothing.
        std::thread late([&] { handOver->Flush(); });
        QCoreApplication::processEvents();
        handOver->Close();
        late.join();
        QCoreApplication::processEvents();
        QCOMPARE(applied.finished, 1);
    }

    void closeDuringARunLetsTheWorkerGo()
    {
        Applied applied;
        // The timer never fires in this test: only Close() can let a flushing worker go.
        auto handOver = MakeHandOver(applied, 1h);
        handOver->Start();
        handOver->ApplyNow(); // a first reply of 0
        std::atomic<bool> flushing{false};
        int reply = -1;
        std::thread worker([&] {
            handOver->Add([](std::vector<int>& batch) { batch.push_back(7); });
            flushing = true;
            reply = handOver->Flush();
            handOver->Add([](std::vector<int>& batch) { batch.push_back(8); });
            handOver->Finish();
        });
        while (!flushing)
            std::this_thread::yield();
        std::this_thread::sleep_for(20ms);
        handOver->Close();
        worker.join();
        QCOMPARE(reply, 0); // the last reply there was; nothing more was applied
        QVERIFY(!handOver->Active());
        QCoreApplication::processEvents();
        QVERIFY(applied.numbers.empty());
        QCOMPARE(applied.finished, 0);
        // A flush after the close does not wait either.
        QCOMPARE(handOver->Flush(), 0);

        // A new run starts clean: what the closed run left pending is dropped.
        handOver->Start();
        QVERIFY(handOver->Active());
        std::thread next([&] {
            handOver->Add([](std::vector<int>& batch) { batch.push_back(9); });
            handOver->Finish();
        });
        next.join();
        handOver->ApplyNow();
        QCOMPARE(applied.numbers, (std::vector<int>{9}));
        QCOMPARE(applied.finished, 1);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestBatchHandOver)
#include "tst_batchhandover.moc"
