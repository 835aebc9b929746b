#pragma once
// The system service the hardware detections read through.

class QWidget;

// Makes sure the WMI service runs (continue when paused, start when stopped, else set it to start
// automatically); messages go to `parent`.
void startWmiService(QWidget *parent = nullptr);
