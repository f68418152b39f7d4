// simworld_default.cpp: the built-in default world. Its devices reach every status verdict
// that zentara distinguishes, and carry sensors for dapplix.
#include "sdk/sim/simworld.h"

#include "vyro_version.h"

namespace vysim {

namespace {

// Status words are hex texts so that they read like the bit tables; README.md lists the verdict
// each device reaches.
const char defaultWorld[] = R"json({
  "driver": {
    "libraryVersion": ")json" VYRO_SDK_VERSION_TEXT R"json(",
    "usbDaemonRunning": true,
    "usbDaemonVersion": ")json" VYRO_SDK_VERSION_TEXT R"json(",
    "ethDaemonRunning": true,
    "ethDaemonVersion": ")json" VYRO_SDK_VERSION_TEXT R"json(",
    "readOnlyMulticast": true
  },
  "devices": [
    {
      "label": "usb3-5000", "deviceId": 1, "cameraId": 1, "sensorId": 538,
      "serialNumber": "4103012345", "model": "VY-3240CP-M", "fullModelName": "VY-3240CP-M-GL",
      "deviceType": "0x63", "busGeneration": 2, "linkSpeed": 5000,
      "starterFirmware": "4.95.21", "runtimeFirmware": "4.95.21", "deviceStatus": "0x1",
      "temperature": 38.5, "imageMemorySize": 128, "usbBus": 2, "usbPortPath": "1",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 101, "hotPixelCount": 40, "userHotPixelCapacity": 64
    },
    {
      "label": "usb3-480", "deviceId": 2, "cameraId": 2, "sensorId": 560,
      "serialNumber": "4103054321", "model": "VY-KX3880CP-C", "fullModelName": "VY-KX3880CP-C-HQ",
      "deviceType": "0x63", "busGeneration": 2, "linkSpeed": 480,
      "starterFirmware": "4.95.21", "runtimeFirmware": "4.95.21", "deviceStatus": "0x1",
      "temperature": 41.0, "imageMemorySize": 128, "usbBus": 1, "usbPortPath": "3.2",
      "sensorName": "VY5MC", "sensorWidth": 2592, "sensorHeight": 1944, "colorMode": "bayer",
      "bayerStart": 0, "hotPixelSeed": 202, "hotPixelCount": 60, "userHotPixelCapacity": 128
    },
    {
      "label": "usb2-legacy", "deviceId": 3, "cameraId": 3, "sensorId": 98,
      "serialNumber": "4002876543", "model": "VY-1240LE-M", "fullModelName": "VY-1240LE-M-GL",
      "deviceType": "0x40", "variantFlags": 1, "linkSpeed": 480,
      "starterFirmware": "3.10.4", "runtimeFirmware": "3.10.4", "deviceStatus": "0x1",
      "temperature": 33.0, "usbBus": 1, "usbPortPath": "1",
      "sensorName": "VY1240LE", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 303, "hotPixelCount": 25, "userHotPixelCapacity": 32
    },
    {
      "label": "usb3-in-use", "deviceId": 4, "cameraId": 4, "sensorId": 571, "inUse": true,
      "serialNumber": "4103099887", "model": "VY-3060CP-C", "fullModelName": "VY-KX3060CP-C-HQ",
      "deviceType": "0x64", "variantFlags": "0x40", "busGeneration": 2, "linkSpeed": 5000,
      "starterFirmware": "4.95.21", "runtimeFirmware": "4.95.21", "deviceStatus": "0x1",
      "temperature": 44.5, "usbBus": 2, "usbPortPath": "2",
      "sensorName": "VY2MC", "sensorWidth": 1936, "sensorHeight": 1216, "colorMode": "bayer",
      "bayerStart": 1, "hotPixelSeed": 404, "hotPixelCount": 30, "userHotPixelCapacity": 64
    },
    {
      "label": "usb-in-use", "deviceId": 5, "cameraId": 5, "sensorId": 99, "inUse": true,
      "serialNumber": "4002112233", "model": "VY-1540LE-M", "fullModelName": "VY-1540LE-M-GL",
      "deviceType": "0x42", "linkSpeed": 480,
      "starterFirmware": "3.10.4", "runtimeFirmware": "3.10.4", "deviceStatus": "0x1",
      "usbBus": 1, "usbPortPath": "4",
      "sensorName": "VY1540LE", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 505, "hotPixelCount": 12, "userHotPixelCapacity": 32
    },
    {
      "label": "usb3-service-fw", "deviceId": 6, "cameraId": 6, "sensorId": 538, "status": "0x1",
      "serialNumber": "4103066554", "model": "VY-3240CP-M", "fullModelName": "VY-3240CP-M-GL",
      "deviceType": "0x62", "busGeneration": 2, "linkSpeed": 5000,
      "starterFirmware": "4.20.1", "runtimeFirmware": "0.0.0", "deviceStatus": "0x0",
      "usbBus": 2, "usbPortPath": "3",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 606, "hotPixelCount": 20, "userHotPixelCapacity": 64
    },
    {
      "label": "usb-no-fullspeed", "deviceId": 7, "cameraId": 7, "sensorId": 97, "status": "0x2",
      "serialNumber": "4002445566", "model": "VY-1640LE-C", "fullModelName": "VY-1640LE-C-GL",
      "deviceType": "0x45", "linkSpeed": 12,
      "starterFirmware": "3.10.4", "runtimeFirmware": "3.10.4", "deviceStatus": "0x1",
      "usbBus": 1, "usbPortPath": "2.1",
      "sensorName": "VY1640LEC", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "bayer",
      "bayerStart": 2, "hotPixelSeed": 707, "hotPixelCount": 18, "userHotPixelCapacity": 32
    },
    {
      "label": "usb3-rwq", "deviceId": 8, "cameraId": 8, "sensorId": 585,
      "serialNumber": "4103077665", "model": "VY-3280CP-M", "fullModelName": "VY-3280CP-M-GL-R",
      "deviceType": "0x64", "hardwareVariant": "0x0D08", "busGeneration": 2, "linkSpeed": 5000,
      "starterFirmware": "4.95.21", "runtimeFirmware": "4.95.21", "deviceStatus": "0x1",
      "usbBus": 2, "usbPortPath": "4.1",
      "sensorName": "VY20M", "sensorWidth": 5472, "sensorHeight": 3648, "colorMode": "mono",
      "hotPixelSeed": 808, "hotPixelCount": 120, "userHotPixelCapacity": 256
    },
    {
      "label": "gige-ready", "deviceId": 1001, "cameraId": 11, "sensorId": 538,
      "serialNumber": "4104011111", "model": "VY-5240SE-M", "fullModelName": "VY-KX5240SE-M-GL",
      "deviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "minStarterFirmware": "4.60.0", "maxStarterFirmware": "4.95.8",
      "deviceStatus": "0x101", "controlStatus": "0x080000A7", "dhcpState": "0x1",
      "mac": "00-1B-2C-40-00-01", "ipAddress": "192.168.10.11", "subnetMask": "255.255.255.0",
      "persistentIp": "192.168.10.11", "persistentSubnet": "255.255.255.0",
      "multicastIp": "239.10.0.11", "multicastSupported": true, "temperature": 47.25,
      "imageMemorySize": 64, "adapterMac": "auto", "adapterIp": "192.168.10.1",
      "adapterSubnet": "255.255.255.0", "adapterIpRangeBegin": "192.168.10.100",
      "adapterIpRangeEnd": "192.168.10.199", "adapterIpRangeValid": true,
      "knownDevices": 8, "pairedDevices": 1,
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 1001, "hotPixelCount": 35, "userHotPixelCapacity": 64
    },
    {
      "label": "gige-bootboost", "deviceId": 1002, "cameraId": 12, "sensorId": 560,
      "serialNumber": "4104022222", "model": "VY-5880SE-C", "fullModelName": "VY-5880SE-C-HQ",
      "deviceType": "0x86", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x1", "controlStatus": "0x0A0000A7", "dhcpState": "0x1",
      "mac": "00-1B-2C-40-00-02", "ipAddress": "192.168.10.12", "subnetMask": "255.255.255.0",
      "persistentIp": "192.168.10.12", "persistentSubnet": "255.255.255.0",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY5MC", "sensorWidth": 2592, "sensorHeight": 1944, "colorMode": "bayer",
      "hotPixelSeed": 1002, "hotPixelCount": 45, "userHotPixelCapacity": 64
    },
    {
      "label": "gige-other-host", "deviceId": 1003, "cameraId": 13, "sensorId": 538,
      "serialNumber": "4104033333", "model": "VY-5240SE-M", "fullModelName": "VY-5240SE-M-GL",
      "deviceType": "0x84", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x1", "controlStatus": "0x080000A6",
      "mac": "00-1B-2C-40-00-03", "ipAddress": "192.168.10.13", "subnetMask": "255.255.255.0",
      "pairedHostMac": "00-1B-2C-99-00-01", "pairedHostIp": "192.168.10.77",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 1003, "hotPixelCount": 30
    },
    {
      "label": "gige-starter-fw", "deviceId": 1004, "cameraId": 14, "sensorId": 538,
      "serialNumber": "4104044444", "model": "VY-5240RE-M", "fullModelName": "VY-5240RE-M-GL",
      "deviceType": "0x84", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.60.3", "requiredStarterFirmware": "4.81.7", "runtimeFirmware": "4.60.3",
      "deviceStatus": "0x101", "controlStatus": "0x080000A7",
      "needsFirmwareUpload": true, "firmwareUploadMs": 18000,
      "mac": "00-1B-2C-40-00-04", "ipAddress": "192.168.10.14", "subnetMask": "255.255.255.0",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 1004, "hotPixelCount": 28
    },
    {
      "label": "gige-adapter-dhcp", "deviceId": 1005, "cameraId": 15, "sensorId": 538,
      "serialNumber": "4104055555", "model": "VY-5240SE-M", "fullModelName": "VY-5240SE-M-GL",
      "deviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x101", "controlStatus": "0x080000E6", "adapterDhcpEnabled": true,
      "mac": "00-1B-2C-40-00-05", "ipAddress": "169.254.20.15", "subnetMask": "255.255.0.0",
      "adapterMac": "auto", "adapterIp": "10.0.0.23", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 1005, "hotPixelCount": 22
    },
    {
      "label": "gige-transfer-failed", "deviceId": 1006, "cameraId": 16, "sensorId": 538,
      "serialNumber": "4104066666", "model": "VY-5240SE-M", "fullModelName": "VY-KX5240SE-M",
      "deviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x101", "controlStatus": "0x080000A7", "deviceInfoResult": 187,
      "mac": "00-1B-2C-40-00-06", "ipAddress": "192.168.10.16", "subnetMask": "255.255.255.0",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono",
      "hotPixelSeed": 1006, "hotPixelCount": 15
    },
    {
      "label": "gige-slow-link", "deviceId": 1007, "cameraId": 17, "sensorId": 560,
      "serialNumber": "4104077777", "model": "VY-5880SE-C", "fullModelName": "VY-5880SE-C-HQ",
      "deviceType": "0x88", "linkSpeed": 1000, "adapterLinkSpeed": 100,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x101", "controlStatus": "0x080000A7",
      "mac": "00-1B-2C-40-00-07", "ipAddress": "192.168.10.17", "subnetMask": "255.255.255.0",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY5MC", "sensorWidth": 2592, "sensorHeight": 1944, "colorMode": "bayer",
      "hotPixelSeed": 1007, "hotPixelCount": 40
    },
    {
      "label": "gige-discontinued", "deviceId": 1008, "cameraId": 18, "sensorId": 94,
      "serialNumber": "4001088888", "model": "VY-5220RE-M", "fullModelName": "VY-5220RE-M",
      "deviceType": "0x81", "hardwareVariant": "0x0510", "linkSpeed": 1000,
      "adapterLinkSpeed": 1000, "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8",
      "runtimeFirmware": "4.95.8", "deviceStatus": "0x101", "controlStatus": "0x080000A7",
      "mac": "00-1B-2C-40-00-08", "ipAddress": "192.168.10.18", "subnetMask": "255.255.255.0",
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY0.3M", "sensorWidth": 752, "sensorHeight": 480, "colorMode": "mono",
      "hotPixelSeed": 1008, "hotPixelCount": 8
    },
    {
      "label": "readonly", "deviceId": 1500, "cameraId": 20, "sensorId": 538,
      "serialNumber": "PMC4104011111", "model": "VY-5240SE-M", "fullModelName": "VY-KX5240SE-M-GL",
      "deviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
      "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
      "deviceStatus": "0x101", "controlStatus": "0x080000A7",
      "mac": "00-1B-2C-40-00-01", "ipAddress": "192.168.10.11", "subnetMask": "255.255.255.0",
      "multicastIp": "239.10.0.11", "multicastSupported": true, "multicastEnabled": true,
      "adapterMac": "auto", "adapterIp": "192.168.10.1", "adapterSubnet": "255.255.255.0",
      "sensorName": "VY1240M", "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono"
    },
    {
      "label": "u3v", "deviceId": 2000, "cameraId": 30, "sensorId": 0,
      "serialNumber": "U3V0042", "model": "Vision3U", "fullModelName": "Vision3U-KX-Cam",
      "deviceType": 225, "linkSpeed": 5000, "deviceStatus": "0x1", "usbBus": 2, "usbPortPath": "5",
      "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono"
    },
    {
      "label": "gev", "deviceId": 2001, "cameraId": 31, "sensorId": 0,
      "serialNumber": "GEV0099", "model": "VisionGE", "fullModelName": "VisionGE-Cam",
      "deviceType": 226, "linkSpeed": 1000, "adapterLinkSpeed": 1000, "deviceStatus": "0x1",
      "controlStatus": "0x1", "mac": "00-30-53-00-00-99", "ipAddress": "192.168.10.99",
      "subnetMask": "255.255.255.0", "adapterMac": "auto", "adapterIp": "192.168.10.1",
      "adapterSubnet": "255.255.255.0",
      "sensorWidth": 1280, "sensorHeight": 1024, "colorMode": "mono"
    }
  ]
}
)json";

} // namespace

QByteArray SimWorld::defaultJson()
{
    return QByteArray(defaultWorld);
}

} // namespace vysim
