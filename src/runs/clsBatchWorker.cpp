#include "runs/clsBatchWorker.h"

#include "runs/ScenarioOutput_IO.h"
#include "runs/clsBatchChunk.h"
#include "engine/ScenarioCalculation.h"

clsBatchWorker::clsBatchWorker(const clsRecordChecks& recordChecks, const ScenarioCalculation::Settings& batchSettings,
                               std::shared_ptr<clsFuelModels> fuelModels, const clsTorviInputs& start)
    : checks(recordChecks), settings(batchSettings), record(start)
{
    engine.FuelModels = std::move(fuelModels);
}

void clsBatchWorker::WriteErrorLine(clsBatchChunk& chunk, const std::string& line)
{
    ++chunk.errors;
    ScenarioOutput_IO::AppendOutLine(chunk.output, line);
}

// A record that does not give a result is an error line, never a line of zeros that would pass for
// a fire too wet to spread.
void clsBatchWorker::Process(clsBatchChunk& chunk)
{
    bool read = false;
    bool calculated = false;
    for (std::size_t i = 0; i < chunk.lines.size(); ++i) {
        const std::string_view text = chunk.LineText(i);
        const auto recordText = [&] { return "record #" + std::to_string(chunk.firstRecord + static_cast<int64_t>(i)); };
        if (!reader.ReadDataLine(text, chunk.lines[i].lineNumber, record, name)) {
            if (reader.invalidKey.empty()) {
                chunk.malformedLine = i;
                break;
            }
            WriteErrorLine(chunk, "#-- Input Error: " + recordText() + " " + clsRecordChecks::InvalidDataReason(reader.invalidKey, text));
            continue;
        }
        read = true;
        ScenarioCalculation::ApplySettings(record, settings);
        if (!checks.Validate(record, failingKey)) {
            WriteErrorLine(chunk, "#-- Input Error: " + recordText() + " " + clsRecordChecks::InvalidDataReason(failingKey, text));
            continue;
        }
        const bool success = ScenarioCalculation::Calculate(engine, record, outputs);
        calculated = true;
        if (!success) {
            WriteErrorLine(chunk, "#-- Calculation Error: " + recordText() + ": " + outputs.FailureText());
            continue;
        }
        ++chunk.datasets;
        ScenarioOutput_IO::AppendRecordLine(chunk.output, outputs, name);
    }
    if (read) {
        chunk.lastRecord = record;
        chunk.lastName = name;
    }
    if (calculated)
        chunk.lastOutputs = outputs;
}
