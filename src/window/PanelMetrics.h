#pragma once

// The scenario panels and the main window's caption and unit columns share one row grid, so
// that every caption stands level with its boxes in all four scenarios.
namespace PanelMetrics {
constexpr int RowHeight = 20;
constexpr int RowSpacing = 1;
}  // namespace PanelMetrics
