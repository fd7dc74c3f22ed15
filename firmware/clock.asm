; The calendar clock chip, through port C (command, strobe, shift clock and
; data in) and port B (data out, bit 6). Its 40-bit register holds ten
; 4-bit digits, least significant bit first: seconds, minutes, hours, day
; (units, then tens), weekday and month, which CLOCK keeps as five bytes.

CMD_HOLD    EQU &00
CMD_SHIFT   EQU &08             ; command 1: shift the register
CMD_SET     EQU &10             ; command 2: time set
CMD_READ    EQU &18             ; command 3: time read
STROBE      EQU &02
SHIFT_CLOCK EQU &04

; Reads the time into CLOCK. Keeps X, Y and U.
clock_read: PSH X
            PSH U
            LDI A,CMD_READ
            STA #(PORT_C)
            LDI A,CMD_READ|STROBE   ; the strobe loads the register from the time
            STA #(PORT_C)
            LDI A,CMD_SHIFT
            STA #(PORT_C)
            LDI XH,HIGH(CLOCK)
            LDI XL,LOW(CLOCK)
            LDI UH,4            ; five bytes
read_byte:  LDI UL,7            ; eight bits, the first one ending in bit 0
read_bit:   LDA #(PORT_B)
            SHL
            SHL                 ; C := the data bit
            LDA (X)
            ROR
            STA (X)
            LDI A,CMD_SHIFT     ; a shift clock pulse moves the chip's register on
            STA #(PORT_C)
            LDI A,CMD_SHIFT|SHIFT_CLOCK
            STA #(PORT_C)
            LOP UL,read_bit
            INC X
            DEC UH
            BCS read_byte       ; C: UH was not 0
            LDI A,CMD_HOLD
            STA #(PORT_C)
            POP U
            POP X
            RTN

; Sets the chip's time from CLOCK. Keeps X, Y and U.
clock_set:  PSH X
            PSH U
            LDI A,CMD_SHIFT
            STA #(PORT_C)
            LDI A,CMD_SHIFT|STROBE  ; the strobe restarts the register at bit 0
            STA #(PORT_C)
            LDI XH,HIGH(CLOCK)
            LDI XL,LOW(CLOCK)
            LDI UH,4
set_byte:   LDA (X)
            STA (TEMP)
            LDI UL,7
set_bit:    LDA (TEMP)
            SHR
            STA (TEMP)
            LDI A,0
            ROL                 ; A := the bit, data in
            ORI A,CMD_SHIFT
            STA #(PORT_C)
            ORI A,SHIFT_CLOCK   ; rising edge: the chip takes the bit
            STA #(PORT_C)
            LOP UL,set_bit
            INC X
            DEC UH
            BCS set_byte
            LDI A,CMD_SET       ; the chip takes its time from the register
            STA #(PORT_C)
            LDI A,CMD_SET|STROBE
            STA #(PORT_C)
            LDI A,CMD_HOLD
            STA #(PORT_C)
            POP U
            POP X
            RTN
