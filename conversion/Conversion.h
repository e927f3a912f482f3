#pragma once
// Everything the conversion library offers: tables, engine, measurement values, statistics.
#include "conversion/ConversionEngine.h"
#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "conversion/MeasurementValue.h"
#include "conversion/SeriesStatistics.h"
